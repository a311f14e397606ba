#include "refhost/cli/ShowCommand.h"

#include "refhost/cli/ExitStatus.h"
#include "refhost/cli/ModelInput.h"
#include "refhost/cli/pictures/PreviewMeshes.h"
#include "refhost/host/Host.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {

int RunShowCommand(const ShowOptions& options, std::ostream& out) {
  Document& document = Host::Instance().NewDocument();
  ReadModel(options.model, document);
  const auto meshes = ShownMeshes(document, options.objects, ModelName(options.model));
  WritePreview(meshes, options.preview);
  out << "Drew " << meshes.size() << " objects to " << Escaped(options.preview.path) << ".\n";
  return kExitDone;
}

}  // namespace refhost::cli
