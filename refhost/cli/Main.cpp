// The reference host's command line: loads a plug-in module the way the host
// modeller does, and runs its menu command on a model file.
#include <CLI/CLI.hpp>
#include <clocale>
#include <exception>
#include <iostream>

#include "BlendforgeVersion.h"
#include "refhost/cli/ExitStatus.h"
#include "refhost/cli/InfoCommand.h"
#include "refhost/cli/RunCommand.h"
#include "refhost/cli/StandardStreams.h"
#include "refhost/widgets/MessageText.h"

namespace {

using refhost::cli::AnsweredWidget;

constexpr const char* kRunFooter = R"(Dialog answers:
  Widgets are counted per kind from 1, in the order they appear in the dialog.
  Edit boxes count read-only ones too: in the Blendforge dialog, edit 1 shows
  the base name and edit 2 holds the new object's name. List items are picked
  by their text.
    refhost run Blendforge.so face.obj --list 1=elem:smile-body \
        --list 2=elem:blink-body --spin 1=50 --spin 2=150 \
        --edit 2=elem:mix-body --press OK
  With answers but no --press, the dialog's default button is pressed.
  With no answers and stdin a terminal, the dialog is drawn as text and you
  are asked for each value (Enter keeps the default). With no answers and no
  terminal, the default button is pressed.

MODEL may be - for stdin and OUT - for stdout; a model that is not a regular
file needs -o.

Exit status: 0 the document changed and was written; 1 an error (nothing is
written, an existing output file is left as it was); 2 the command changed
nothing (cancelled or refused), so no file is written.)";

// An empty value would silently mean the default.
const CLI::Validator kNotEmpty(
    [](const std::string& value) { return value.empty() ? std::string("empty value") : ""; }, "",
    "not empty");

void AddWidgetAnswers(CLI::App& run, refhost::cli::RunOptions& options, AnsweredWidget widget,
                      const std::string& help) {
  run.add_option_function<std::vector<std::string>>(
         refhost::cli::OptionName(widget),
         [&options, widget](const std::vector<std::string>& arguments) {
           for (const std::string& argument : arguments)
             options.answers.Add(refhost::cli::ParseWidgetAnswer(widget, argument));
         },
         help)
      ->type_name("N=VALUE")
      ->allow_extra_args(false);
}

void DefineRun(CLI::App& run, refhost::cli::RunOptions& options) {
  run.add_option("PLUGIN", options.plugin, "plug-in module to load")->required();
  run.add_option("MODEL", options.model,
                 "Wavefront OBJ model to open; vertices before any 'o' line form an object "
                 "named after the file's stem")
      ->required();
  run.add_option("-o,--output", options.output,
                 "where to write the document (default: beside MODEL, its stem + .merged.obj)")
      ->type_name("OUT.obj")
      ->check(kNotEmpty);
  run.add_option("--object", options.object, "object to make current (default: the first object)")
      ->type_name("NAME")
      ->check(kNotEmpty);
  run.add_option("--command", options.command, "menu command index to run (default: 0)")
      ->type_name("N")
      ->check(kNotEmpty);
  AddWidgetAnswers(run, options, AnsweredWidget::ListBox,
                   "select the item with text VALUE in list box N");
  AddWidgetAnswers(run, options, AnsweredWidget::SpinBox, "set spin box N to VALUE");
  AddWidgetAnswers(run, options, AnsweredWidget::Edit, "set the text of edit box N to VALUE");
  run.add_option("--press", options.answers.press,
                 "close the dialog with the button of this caption (default: the default button)")
      ->type_name("CAPTION")
      ->check(kNotEmpty);
  run.footer(kRunFooter);
}

// One line, whatever the names and values quoted in it hold.
int Report(const std::string& message) {
  std::cerr << "refhost: " << refhost::Escaped(message) << "\n";
  return refhost::cli::kExitFailed;
}

// The parts of the command line that the commands read.
struct Commands {
  CLI::App* info = nullptr;
  std::string infoPlugin;
  refhost::cli::RunOptions runOptions;
};

// The exit status of the command as parsed; help and the version count as
// done.
int ParseAndRun(CLI::App& app, int argc, char** argv, const Commands& commands) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() != 0) return Report(error.what() + std::string(" (see --help)"));
    app.exit(error);
    return refhost::cli::kExitDone;
  }
  if (!commands.info->parsed())
    return refhost::cli::RunRunCommand(commands.runOptions, std::cout, std::cerr);
  refhost::cli::RunInfoCommand(commands.infoPlugin, std::cout);
  return refhost::cli::kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  // Object names and typed answers are in the user's encoding, as in the
  // host modeller.
  std::setlocale(LC_CTYPE, "");
  CLI::App app{"The reference host: loads a plug-in module the way the host modeller does."};
  app.set_version_flag("--version", "refhost " BLENDFORGE_VERSION);
  app.require_subcommand(1);

  Commands commands;
  commands.info = app.add_subcommand("info", "load a plug-in and print its identity and menu");
  commands.info->add_option("PLUGIN", commands.infoPlugin, "plug-in module to load")->required();

  CLI::App* run = app.add_subcommand(
      "run", "run a plug-in's menu command on a model, answer its dialog, save the result");
  DefineRun(*run, commands.runOptions);

  try {
    const int status = ParseAndRun(app, argc, argv, commands);
    // A report lost to a full disk or a closed pipe is no success.
    if (status != refhost::cli::kExitFailed) refhost::cli::FlushStandardOutput();
    return status;
  } catch (const std::bad_alloc&) {
    return Report("out of memory");
  } catch (const std::exception& error) {
    return Report(error.what());
  }
}
