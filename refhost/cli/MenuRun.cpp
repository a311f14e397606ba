#include "refhost/cli/MenuRun.h"

#include "abi/PlugInType.h"
#include "refhost/cli/CliError.h"
#include "refhost/cli/FiniteResult.h"
#include "refhost/cli/MemoryWatch.h"
#include "refhost/cli/ModelInput.h"
#include "refhost/cli/ModelOutput.h"
#include "refhost/cli/answers/DialogAnswerer.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

// A message lists no more of a document's object names than this.
constexpr int kMostNamesListed = 10;

int FindObject(const Document& document, const MenuRunRequest& request) {
  std::string names;
  int listed = 0;
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr) continue;
    if (request.object.empty() || object->name() == request.object) return index;
    if (++listed <= kMostNamesListed) names += (names.empty() ? "" : ", ") + Quoted(object->name());
  }
  if (listed == 0) throw CliError(ModelName(request.model) + ": holds no object");
  if (listed > kMostNamesListed) names += ", ...";
  throw CliError(ModelName(request.model) + ": no object named " + Quoted(request.object) +
                 " (it has " + names + ")");
}

std::vector<const Object*> AddedObjects(const Document& document,
                                        const std::unordered_set<const Object*>& before) {
  std::vector<const Object*> added;
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object != nullptr && before.count(object) == 0) added.push_back(object);
  }
  return added;
}

// Two objects of one name would be one name twice in the file, which the
// next program to read it renames at will.
void RequireFreeNames(const Document& document, const std::vector<const Object*>& added,
                      const std::string& model) {
  for (const Object* object : added) {
    for (int index = 0; index < document.ObjectCount(); ++index) {
      const Object* other = document.ObjectAt(index);
      if (other == nullptr || other == object || other->name() != object->name()) continue;
      throw CliError(ModelName(model) + ": the new object's name " + Quoted(object->name()) +
                     " is taken by another object; choose another " +
                     WhereToRename(object->name()));
    }
  }
}

// Tells the document how the command mixed its one new object, so that
// writing it can mix what the document does not hold, such as normals.
void NoteChosenMix(Document& document, const Object& base,
                   const std::vector<const Object*>& added) {
  if (added.size() != 1) return;
  if (const auto mix = ChosenMix(document, base)) document.NoteMix(added[0]->uniqueID(), *mix);
}

// The plug-in's answer; running out of memory is an error even where the
// plug-in caught it and answered as if it had refused.
int RunMenuCommand(const HostedPlugin& plugin, const MenuRunRequest& request, Document& document) {
  const std::string doing = "running " + Quoted(plugin.identity().menuStrings[request.command]);
  return NamingMemoryShortage(ModelName(request.model), doing, [&] {
    MemoryWatch memory;
    DialogAnswerer dialog(request.answers);
    int changed = plugin.ModifyObject(request.command, document.handle());
    if (memory.ranOut()) throw std::bad_alloc();
    dialog.CheckAnswersUsed();
    return changed;
  });
}

}  // namespace

void RequireMenuCommand(const HostedPlugin& plugin, const MenuRunRequest& request) {
  const PlugInIdentity& identity = plugin.identity();
  if (identity.type != plugin_type::kObject)
    throw CliError(request.plugin + ": a type-" + std::to_string(identity.type) +
                   " plug-in; run drives object plug-ins (type " +
                   std::to_string(plugin_type::kObject) + ") only");
  int count = static_cast<int>(identity.menuStrings.size());
  if (request.command < 0 || request.command >= count)
    throw CliError(request.plugin + ": has no menu command " + std::to_string(request.command) +
                   " (its commands are 0 to " + std::to_string(count - 1) + ")");
}

void MakeRequestedObjectCurrent(Document& document, const MenuRunRequest& request) {
  document.SetCurrentIndex(FindObject(document, request));
}

MenuRun RunMenu(const HostedPlugin& plugin, Document& document, const MenuRunRequest& request,
                PhaseTimes& phases) {
  MenuRun run;
  run.base = document.ObjectAt(document.currentIndex());
  run.before = ObjectsOf(document);
  const auto nonFiniteBefore = ObjectsWithNonFinitePositions(document);
  phases.Start();
  run.changed = RunMenuCommand(plugin, request, document) != 0;
  phases.End("command");
  if (!run.changed) return run;
  RequireFinitePositions(document, nonFiniteBefore, CommandName(plugin, request));
  run.added = AddedObjects(document, run.before);
  RequireFreeNames(document, run.added, request.model);
  NoteChosenMix(document, *run.base, run.added);
  run.chosen = ChosenTargets(document);
  return run;
}

std::string UnchangedReport(const std::string& commandName) {
  return commandName + " changed nothing (cancelled or refused); no file was written.";
}

std::string CommandName(const HostedPlugin& plugin, const MenuRunRequest& request) {
  return Escaped(plugin.identity().menuStrings[request.command]);
}

std::unordered_set<const Object*> ObjectsOf(const Document& document) {
  std::unordered_set<const Object*> objects;
  for (int index = 0; index < document.ObjectCount(); ++index)
    if (const Object* object = document.ObjectAt(index)) objects.insert(object);
  return objects;
}

}  // namespace refhost::cli
