#include "refhost/cli/ModelOutput.h"

#include "refhost/cli/CliError.h"
#include "refhost/cli/MemoryWatch.h"
#include "refhost/cli/answers/LastDialog.h"
#include "refhost/cli/streams/StandardStreams.h"
#include "refhost/cli/streams/TerminalProgress.h"
#include "refhost/model/TakenNameError.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

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

}  // namespace

// A name the file cannot take ends the run as a taken object name does,
// saying how to choose another.
void WriteModel(const Document& document, const ModelFile& model, const std::string& output) {
  try {
    WriteModelTo(document, model, output);
  } catch (const TakenNameError& error) {
    throw CliError(error.what() + (" " + WhereToRename(error.object())));
  }
}

std::string WhereToRename(const std::string& name) {
  const int edit = EditHolding(name);
  return edit == 0 ? "in the dialog" : "with --edit " + std::to_string(edit) + "=NAME";
}

}  // namespace refhost::cli
