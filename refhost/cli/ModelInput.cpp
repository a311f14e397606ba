#include "refhost/cli/ModelInput.h"

#include "refhost/cli/MemoryWatch.h"
#include "refhost/cli/streams/StandardStreams.h"
#include "refhost/cli/streams/TerminalProgress.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {

std::string ModelName(const std::string& model) {
  return model == kStandardStream ? "stdin" : model;
}

std::unique_ptr<ModelFile> ReadModel(const std::string& model, Document& document) {
  const std::string name = ModelName(model);
  return NamingMemoryShortage(name, "reading the model", [&] {
    if (model == kStandardStream) return ParseModel(ReadStandardInput(), name, document);
    TerminalProgress progress("reading " + Escaped(name));
    return ReadModelFile(model, document, &progress);
  });
}

}  // namespace refhost::cli
