#include "refhost/cli/RunCommand.h"

#include <filesystem>
#include <unordered_set>

#include "refhost/Host.h"
#include "refhost/cli/CliError.h"
#include "refhost/cli/DialogAnswerer.h"
#include "refhost/cli/ExitStatus.h"
#include "refhost/cli/HostedPlugin.h"
#include "refhost/cli/TerminalProgress.h"
#include "refhost/model/ModelFile.h"

namespace refhost::cli {
namespace {

constexpr int kObjectPlugInType = 4;

void RequireMenuCommand(const HostedPlugin& plugin, const RunOptions& options) {
  const PlugInIdentity& identity = plugin.identity();
  if (identity.type != kObjectPlugInType)
    throw CliError(options.plugin + ": a type-" + std::to_string(identity.type) +
                   " plug-in; run drives object plug-ins (type 4) only");
  int count = static_cast<int>(identity.menuStrings.size());
  if (options.command < 0 || options.command >= count)
    throw CliError(options.plugin + ": has no menu command " + std::to_string(options.command) +
                   " (its commands are 0 to " + std::to_string(count - 1) + ")");
}

int FindObject(const Document& document, const RunOptions& options) {
  std::string names;
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr) continue;
    if (options.object.empty() || object->name() == options.object) return index;
    names += (names.empty() ? "'" : ", '") + object->name() + "'";
  }
  if (names.empty()) throw CliError(options.model + ": holds no object");
  throw CliError(options.model + ": no object named '" + options.object + "' (it has " + names +
                 ")");
}

std::unordered_set<const Object*> ObjectsOf(const Document& document) {
  std::unordered_set<const Object*> objects;
  for (int index = 0; index < document.ObjectCount(); ++index)
    if (const Object* object = document.ObjectAt(index)) objects.insert(object);
  return objects;
}

void ReportAdded(const Document& document, const std::unordered_set<const Object*>& before,
                 std::ostream& out) {
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr || before.count(object) != 0) continue;
    out << "Added object '" << object->name() << "' (" << object->VertexCount()
        << " vertices) at position " << index + 1 << " of " << document.ObjectCount();
    const Object* previous = index > 0 ? document.ObjectAt(index - 1) : nullptr;
    if (previous != nullptr) out << ", right after '" << previous->name() << "'";
    out << ".\n";
  }
}

std::unique_ptr<ModelFile> ReadModel(const std::string& model, Document& document) {
  TerminalProgress progress("reading " + model);
  return ReadModelFile(model, document, &progress);
}

void WriteModel(const Document& document, const ModelFile& model, const std::string& output) {
  TerminalProgress progress("writing " + output);
  model.Write(document, output, &progress);
}

}  // namespace

std::string DefaultOutputPath(const std::string& model) {
  std::filesystem::path path(model);
  return (path.parent_path() / (path.stem().string() + ".merged.obj")).string();
}

int RunRunCommand(const RunOptions& options, std::ostream& out) {
  HostedPlugin plugin(options.plugin);
  RequireMenuCommand(plugin, options);
  Document& document = Host::Instance().NewDocument();
  const std::unique_ptr<ModelFile> model = ReadModel(options.model, document);
  document.SetCurrentIndex(FindObject(document, options));

  auto before = ObjectsOf(document);
  DialogAnswerer dialog(options.answers);
  int changed = plugin.ModifyObject(options.command, document.handle());
  dialog.CheckAnswersUsed();

  const std::string& name = plugin.identity().menuStrings[options.command];
  if (changed == 0) {
    out << name << " changed nothing (cancelled or refused); no file was written.\n";
    return kExitUnchanged;
  }
  ReportAdded(document, before, out);
  std::string output = options.output.empty() ? DefaultOutputPath(options.model) : options.output;
  WriteModel(document, *model, output);
  out << "Wrote the document (" << ObjectsOf(document).size() << " objects) to " << output << ".\n";
  return kExitDone;
}

}  // namespace refhost::cli
