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

Exit status: 0 the document changed and was written; 1 an error (nothing is
written, an existing output file is left as it was); 2 the command changed
nothing (cancelled or refused), so no file is written.)";

void AddWidgetAnswers(CLI::App& run, refhost::cli::RunOptions& options, AnsweredWidget widget,
                      const std::string& help) {
  run.add_option_function<std::vector<std::string>>(
         refhost::cli::OptionName(widget),
         [&options, widget](const std::vector<std::string>& arguments) {
           for (const std::string& argument : arguments)
             options.answers.widgets.push_back(refhost::cli::ParseWidgetAnswer(widget, argument));
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
      ->type_name("OUT.obj");
  run.add_option("--object", options.object, "object to make current (default: the first object)")
      ->type_name("NAME");
  run.add_option("--command", options.command, "menu command index to run (default: 0)")
      ->type_name("N");
  AddWidgetAnswers(run, options, AnsweredWidget::ListBox,
                   "select the item with text VALUE in list box N");
  AddWidgetAnswers(run, options, AnsweredWidget::SpinBox, "set spin box N to VALUE");
  AddWidgetAnswers(run, options, AnsweredWidget::Edit, "set the text of edit box N to VALUE");
  run.add_option("--press", options.answers.press,
                 "close the dialog with the button of this caption (default: the default button)")
      ->type_name("CAPTION");
  run.footer(kRunFooter);
}

int Report(const std::exception& error) {
  std::cerr << "refhost: " << error.what() << "\n";
  return refhost::cli::kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
  // Object names and typed answers are in the user's encoding, as in the
  // host modeller.
  std::setlocale(LC_CTYPE, "");
  CLI::App app{"The reference host: loads a plug-in module the way the host modeller does."};
  app.set_version_flag("--version", "refhost " BLENDFORGE_VERSION);
  app.require_subcommand(1);

  std::string infoPlugin;
  CLI::App* info = app.add_subcommand("info", "load a plug-in and print its identity and menu");
  info->add_option("PLUGIN", infoPlugin, "plug-in module to load")->required();

  refhost::cli::RunOptions runOptions;
  CLI::App* run = app.add_subcommand(
      "run", "run a plug-in's menu command on a model, answer its dialog, save the result");
  DefineRun(*run, runOptions);

  try {
    app.parse(argc, argv);
    if (info->parsed()) {
      refhost::cli::RunInfoCommand(infoPlugin, std::cout);
      return refhost::cli::kExitDone;
    }
    return refhost::cli::RunRunCommand(runOptions, std::cout);
  } catch (const CLI::ParseError& error) {
    int status = app.exit(error);
    return status == 0 ? refhost::cli::kExitDone : refhost::cli::kExitFailed;
  } catch (const std::exception& error) {
    return Report(error);
  }
}
