#include "refhost/cli/RunCommand.h"

#include <filesystem>
#include <unordered_set>

#include "abi/PlugInType.h"
#include "refhost/cli/CliError.h"
#include "refhost/cli/ExitStatus.h"
#include "refhost/cli/FiniteResult.h"
#include "refhost/cli/MemoryWatch.h"
#include "refhost/cli/ModelInput.h"
#include "refhost/cli/PhaseTimes.h"
#include "refhost/cli/answers/DialogAnswerer.h"
#include "refhost/cli/answers/LastDialog.h"
#include "refhost/cli/loading/HostedPlugin.h"
#include "refhost/cli/pictures/PreviewMeshes.h"
#include "refhost/cli/streams/StandardStreams.h"
#include "refhost/cli/streams/TerminalProgress.h"
#include "refhost/host/Host.h"
#include "refhost/model/ModelFile.h"
#include "refhost/model/TakenNameError.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

namespace fs = std::filesystem;

// A message lists no more of a document's object names than this.
constexpr int kMostNamesListed = 10;
// How messages name the output when it is stdout.
constexpr const char* kStandardOutputName = "stdout";

void RequireMenuCommand(const HostedPlugin& plugin, const RunOptions& options) {
  const PlugInIdentity& identity = plugin.identity();
  if (identity.type != plugin_type::kObject)
    throw CliError(options.plugin + ": a type-" + std::to_string(identity.type) +
                   " plug-in; run drives object plug-ins (type " +
                   std::to_string(plugin_type::kObject) + ") only");
  int count = static_cast<int>(identity.menuStrings.size());
  if (options.command < 0 || options.command >= count)
    throw CliError(options.plugin + ": has no menu command " + std::to_string(options.command) +
                   " (its commands are 0 to " + std::to_string(count - 1) + ")");
}

// The name of the model file that a result goes beside: the model's own, or
// for a link (such as /dev/stdin redirected from a file) the file it leads
// to. Empty when that is no regular file of the user's: a pipe, a device, or
// anything in the system's /dev or /proc.
std::string BesideWhat(const std::string& model) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(model, error)))
    return fs::is_regular_file(model, error) ? model : "";
  const fs::path real = fs::canonical(model, error);
  if (error || !fs::is_regular_file(real, error)) return "";
  const std::string text = real.generic_string();
  if (text.rfind("/dev/", 0) == 0 || text.rfind("/proc/", 0) == 0) return "";
  return real.string();
}

std::string OutputPath(const RunOptions& options) {
  if (!options.output.empty()) return options.output;
  std::error_code error;
  // A model that is not there fails to be read, with its own message.
  if (options.model != kStandardStream && !fs::exists(options.model, error))
    return DefaultOutputPath(options.model);
  const std::string beside = options.model == kStandardStream ? "" : BesideWhat(options.model);
  if (beside.empty())
    throw CliError(options.model +
                   ": not a regular file, so the result needs -o OUT (or -o - for stdout)");
  return DefaultOutputPath(beside);
}

int FindObject(const Document& document, const RunOptions& options) {
  std::string names;
  int listed = 0;
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr) continue;
    if (options.object.empty() || object->name() == options.object) return index;
    if (++listed <= kMostNamesListed) names += (names.empty() ? "" : ", ") + Quoted(object->name());
  }
  if (listed == 0) throw CliError(ModelName(options.model) + ": holds no object");
  if (listed > kMostNamesListed) names += ", ...";
  throw CliError(ModelName(options.model) + ": no object named " + Quoted(options.object) +
                 " (it has " + names + ")");
}

std::unordered_set<const Object*> ObjectsOf(const Document& document) {
  std::unordered_set<const Object*> objects;
  for (int index = 0; index < document.ObjectCount(); ++index)
    if (const Object* object = document.ObjectAt(index)) objects.insert(object);
  return objects;
}

// "149.1 MB, 3 objects", or the objects alone when the model is stdin.
std::string ReadDetails(const std::string& model, const Document& document) {
  const std::string size = FileMegabytes(model);
  const std::string objects = std::to_string(ObjectsOf(document).size()) + " objects";
  return size.empty() ? objects : size + ", " + objects;
}

void ReportAdded(const Document& document, const std::vector<const Object*>& added,
                 std::ostream& out) {
  for (const Object* object : added) {
    const int index = document.IndexOf(object);
    out << "Added object " << Quoted(object->name()) << " (" << object->VertexCount()
        << " vertices) at position " << index + 1 << " of " << document.ObjectCount();
    const Object* previous = index > 0 ? document.ObjectAt(index - 1) : nullptr;
    if (previous != nullptr) out << ", right after " << Quoted(previous->name());
    out << ".\n";
  }
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

// "in the dialog" or "with --edit 2=NAME": how the user gives the new
// object `name` another name.
std::string WhereToRename(const std::string& name) {
  const int edit = EditHolding(name);
  return edit == 0 ? "in the dialog" : "with --edit " + std::to_string(edit) + "=NAME";
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
int RunMenuCommand(const HostedPlugin& plugin, const RunOptions& options, Document& document) {
  const std::string doing = "running " + Quoted(plugin.identity().menuStrings[options.command]);
  return NamingMemoryShortage(ModelName(options.model), doing, [&] {
    MemoryWatch memory;
    DialogAnswerer dialog(options.answers);
    int changed = plugin.ModifyObject(options.command, document.handle());
    if (memory.ranOut()) throw std::bad_alloc();
    dialog.CheckAnswersUsed();
    return changed;
  });
}

void WriteModelTo(const Document& document, const ModelFile& model, const std::string& output) {
  if (output == kStandardStream) {
    return NamingMemoryShortage(kStandardOutputName, "writing the document", [&] {
      model.WriteTo(document, kStandardOutputName, WriteStandardOutput, nullptr);
      FlushStandardOutput();
    });
  }
  NamingMemoryShortage(output, "writing the document", [&] {
    TerminalProgress progress("writing " + Escaped(output));
    model.Write(document, output, &progress);
  });
}

// A name the file cannot take ends the run as a taken object name does,
// saying how to choose another.
void WriteModel(const Document& document, const ModelFile& model, const std::string& output) {
  try {
    WriteModelTo(document, model, output);
  } catch (const TakenNameError& error) {
    throw CliError(error.what() + (" " + WhereToRename(error.object())));
  }
}

}  // namespace

std::string DefaultOutputPath(const std::string& model) {
  fs::path path(model);
  return (path.parent_path() / (path.stem().string() + ".merged" + path.extension().string()))
      .string();
}

int RunRunCommand(const RunOptions& options, std::ostream& out, std::ostream& err) {
  const std::string output = OutputPath(options);
  std::ostream& report = output == kStandardStream ? err : out;
  HostedPlugin plugin(options.plugin);
  RequireMenuCommand(plugin, options);
  Document& document = Host::Instance().NewDocument();
  PhaseTimes phases(options.verbose ? &err : nullptr);
  const std::unique_ptr<ModelFile> model = ReadModel(options.model, document);
  phases.End("read", ReadDetails(options.model, document));
  document.SetCurrentIndex(FindObject(document, options));
  const Object& base = *document.ObjectAt(document.currentIndex());

  const auto before = ObjectsOf(document);
  const auto nonFiniteBefore = ObjectsWithNonFinitePositions(document);
  phases.Start();
  const int changed = RunMenuCommand(plugin, options, document);
  phases.End("command");
  const std::string name = Escaped(plugin.identity().menuStrings[options.command]);
  if (changed == 0) {
    report << name << " changed nothing (cancelled or refused); no file was written.\n";
    return kExitUnchanged;
  }
  RequireFinitePositions(document, nonFiniteBefore, name);
  const std::vector<const Object*> added = AddedObjects(document, before);
  RequireFreeNames(document, added, options.model);
  NoteChosenMix(document, base, added);
  if (options.verbose) model->notes = [&err](const std::string& note) { err << note << "\n"; };
  phases.Start();
  WriteModel(document, *model, output);
  phases.End("write", FileMegabytes(output));
  ReportAdded(document, added, report);
  report << "Wrote the document (" << ObjectsOf(document).size() << " objects) to "
         << (output == kStandardStream ? kStandardOutputName : Escaped(output)) << ".\n";
  if (options.preview.path.empty()) return kExitDone;
  phases.Start();
  WritePreview(MergeMeshes(document, base, before), options.preview);
  phases.End("preview");
  report << "Drew the preview to " << Escaped(options.preview.path) << ".\n";
  return kExitDone;
}

}  // namespace refhost::cli
