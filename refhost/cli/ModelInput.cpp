#include "refhost/cli/ModelInput.h"

#include "refhost/cli/MemoryWatch.h"
#include "refhost/cli/StandardStreams.h"
#include "refhost/cli/TerminalProgress.h"
#include "refhost/model/ObjReader.h"
#include "refhost/widgets/MessageText.h"

namespace refhost::cli {

std::string ModelName(const std::string& model) {
  return model == kStandardStream ? "stdin" : model;
}

void ReadModel(const std::string& model, Document& document) {
  const std::string name = ModelName(model);
  NamingMemoryShortage(name, "reading the model", [&] {
    if (model == kStandardStream) return ParseObj(ReadStandardInput(), name, name, document);
    TerminalProgress progress("reading " + Escaped(name));
    ReadObjFile(model, document, &progress);
  });
}

}  // namespace refhost::cli
