#include "refhost/python/OpenModel.h"

#include "refhost/cli/CliError.h"
#include "refhost/cli/ModelInput.h"
#include "refhost/cli/ModelOutput.h"
#include "refhost/cli/pictures/PreviewMeshes.h"
#include "refhost/document/MorphTargets.h"
#include "refhost/host/Host.h"

namespace refhost::python {

OpenModel::OpenModel(std::string path)
    : path_(std::move(path)), document_(Host::Instance().NewDocument()) {
  try {
    file_ = cli::ReadModel(path_, document_);
  } catch (...) {
    Host::Instance().CloseDocument(document_);
    throw;
  }
}

OpenModel::~OpenModel() {
  // What refers to the document's objects goes first.
  lastRun_.reset();
  file_.reset();
  Host::Instance().CloseDocument(document_);
}

std::vector<std::string> OpenModel::ObjectNames() const {
  std::vector<std::string> names;
  for (int index = 0; index < document_.ObjectCount(); ++index)
    if (const Object* object = document_.ObjectAt(index)) names.push_back(object->name());
  return names;
}

const Object* OpenModel::FindObject(const std::string& name) const {
  for (int index = 0; index < document_.ObjectCount(); ++index) {
    const Object* object = document_.ObjectAt(index);
    if (object != nullptr && object->name() == name) return object;
  }
  return nullptr;
}

const Object* OpenModel::HeldObject(int uniqueID) const {
  return document_.FindByUniqueID(uniqueID);
}

std::optional<std::vector<std::pair<std::string, std::string>>> OpenModel::Targets(
    const std::string& base) const {
  const Object* baseObject = FindObject(base);
  if (baseObject == nullptr) return std::nullopt;
  std::vector<std::pair<std::string, std::string>> targets;
  for (int index = 0; index < document_.ObjectCount(); ++index) {
    const Object* object = document_.ObjectAt(index);
    if (object != nullptr && object != baseObject && IsMorphTargetOf(*baseObject, *object))
      targets.emplace_back(object->name(), MorphNameOf(object->name()));
  }
  return targets;
}

void OpenModel::Save(const std::string& output) const {
  RequireUnspoiled();
  cli::WriteModel(document_, *file_, output);
}

void OpenModel::Preview(const cli::PreviewOptions& options,
                        const std::vector<std::string>& names) const {
  RequireUnspoiled();
  if (names.empty() && lastRun_) {
    cli::WritePreview(cli::MergeMeshes(document_, *lastRun_), options);
    return;
  }
  cli::WritePreview(cli::ShownMeshes(document_, names, cli::ModelName(path_)), options);
}

void OpenModel::RequireUnspoiled() const {
  if (!spoiled_) return;
  throw cli::CliError(cli::ModelName(path_) +
                      ": an earlier run's result was refused and may be part of the document; "
                      "open the model again");
}

}  // namespace refhost::python
