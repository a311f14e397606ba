#include "refhost/cli/CommandLine.h"

#include "refhost/cli/batch/ChildProcess.h"

namespace refhost::cli {
namespace {

constexpr const char* kRunFooter = R"(Dialog answers:
  Widgets are counted per kind from 1, in the order they appear in the dialog.
  Edit boxes count read-only ones too: in the Blendforge dialog, edit 1 shows
  the base name and edit 2 holds the new object's name. List items are picked
  by their text.
    refhost run Blendforge.so face.obj --list 1=elem:smile-head \
        --list 2=elem:blink-head --spin 1=80 --spin 2=100 \
        --edit 2=elem:mix-head --press OK
  With answers but no --press, the dialog's default button is pressed.
  With no answers and stdin a terminal, the dialog is drawn as text and you
  are asked for each value (Enter keeps the default). With no answers and no
  terminal, the default button is pressed.

MODEL may be - for stdin and OUT - for stdout; a model that is not a regular
file needs -o.

Several models need --output-dir DIR: each is merged with the same answers
into DIR under its own file name, in a process of its own, up to -j at once.
An existing result is replaced. Two models of one file name, or a model that
would be its own result, are refused before anything runs. Workers read no
terminal: without answers they press the default button. A progress line
shows on a terminal; each model that fails gets its one line on stderr, each
that the command changed nothing in a line on stdout, and the run ends with
a summary such as "197 merged, 3 failed" ("2 unchanged" between them where
there are any).

--preview draws, once the document is written, the base, the objects the
dialog's list boxes chose (with their spin boxes' weights) and the new
object, coloured by how far each vertex moved from the base.

Exit status: 0 the document changed and was written; 1 an error (nothing is
written, an existing output file is left as it was; a preview that cannot be
written fails after the document was); 2 the command changed nothing
(cancelled or refused), so no file is written. For several models: 1 when
any failed, else 0 when any was merged, else 2.)";

constexpr const char* kShowFooter = R"(Every object after the first is coloured by how far each
vertex lies from the first's, where both have as many vertices.
    refhost show face.obj --preview face.png
Exit status: 0 drawn; 1 an error.)";

// An empty value would silently mean the default.
const CLI::Validator kNotEmpty(
    [](const std::string& value) { return value.empty() ? std::string("empty value") : ""; }, "",
    "not empty");

// Keeps the option's values as typed, for a batch's workers to parse again.
CLI::Option* PassedToWorkers(CLI::Option* option, BatchOptions& batch) {
  return option->each([&batch, name = option->get_name()](const std::string& value) {
    batch.mergeArguments.insert(batch.mergeArguments.end(), {name, value});
  });
}

void AddWidgetAnswers(CLI::App& run, RunOptions& options, BatchOptions& batch,
                      AnsweredWidget widget, const std::string& help) {
  run.add_option_function<std::vector<std::string>>(
         OptionName(widget),
         [&options, &batch, widget](const std::vector<std::string>& arguments) {
           for (const std::string& argument : arguments) {
             options.answers.Add(ParseWidgetAnswer(widget, argument));
             batch.mergeArguments.insert(batch.mergeArguments.end(),
                                         {OptionName(widget), argument});
           }
         },
         help)
      ->type_name("N=VALUE")
      ->allow_extra_args(false);
}

CLI::Option* AddPreview(CLI::App& command, PreviewOptions& options, const std::string& help) {
  CLI::Option* path =
      command.add_option("--preview", options.path, help)->type_name("FILE.png")->check(kNotEmpty);
  command
      .add_option_function<std::string>(
          "--preview-size",
          [&options](const std::string& size) { ParsePreviewSize(size, options); },
          "the preview's size in pixels, its panels in the grid that shows them largest "
          "(default: 1600 wide, or wider for many panels or long names; a row of panels up to "
          "500 high)")
      ->type_name("WxH");
  command
      .add_option_function<std::string>(
          "--view", [&options](const std::string& view) { ParseView(view, options); },
          "where to look at the models from: " + ViewNames() +
              " (default: the front, from a little right and above; the front is +Z, up +Y)")
      ->type_name("VIEW");
  command
      .add_option_function<std::string>(
          "--shading", [&options](const std::string& shading) { ParseShading(shading, options); },
          "how surfaces are lit: " + ShadingNames() +
              " (default: smooth, by normals computed per vertex from the faces)")
      ->type_name("SHADING");
  return path;
}

void AddBatch(CLI::App& run, BatchOptions& batch) {
  run.add_option("--output-dir", batch.outputDir,
                 "merge each MODEL into DIR under its file name, each in a process of its own "
                 "(made if missing)")
      ->type_name("DIR")
      ->check(kNotEmpty);
  run.add_option("-j,--jobs", batch.jobs,
                 "with --output-dir, merge up to N models at once (default: the number of cores)")
      ->type_name("N")
      ->check(CLI::Range(1, static_cast<int>(kMostChildrenAwaited)));
}

void DefineRun(CLI::App& run, RunOptions& options, BatchOptions& batch) {
  run.add_option("PLUGIN", options.plugin, "plug-in module to load")->required();
  run.add_option("MODEL", batch.models,
                 "model to open: glTF 2.0 (.gltf, .glb), whose meshes and morph targets become "
                 "objects, or Wavefront OBJ (any other name), where vertices before any 'o' "
                 "line form an object named after the file's stem; several need --output-dir")
      ->required();
  run.add_option("-o,--output", options.output,
                 "where to write the document, in the format its extension names (default: "
                 "beside MODEL, its stem + .merged + its extension)")
      ->type_name("OUT")
      ->check(kNotEmpty);
  AddBatch(run, batch);
  PassedToWorkers(run.add_option("--object", options.object,
                                 "object to make current (default: the first object)"),
                  batch)
      ->type_name("NAME")
      ->check(kNotEmpty);
  PassedToWorkers(
      run.add_option("--command", options.command, "menu command index to run (default: 0)"), batch)
      ->type_name("N")
      ->check(kNotEmpty);
  AddWidgetAnswers(run, options, batch, AnsweredWidget::ListBox,
                   "select the item with text VALUE in list box N");
  AddWidgetAnswers(run, options, batch, AnsweredWidget::SpinBox, "set spin box N to VALUE");
  AddWidgetAnswers(run, options, batch, AnsweredWidget::Edit,
                   "set the text of edit box N to VALUE");
  PassedToWorkers(run.add_option("--press", options.answers.press,
                                 "close the dialog with the button of this caption (default: "
                                 "the default button)"),
                  batch)
      ->type_name("CAPTION")
      ->check(kNotEmpty);
  run.add_flag("--verbose", options.verbose,
               "print each phase (read, command, write, preview) with its wall time to stderr");
  AddPreview(run, options.preview,
             "after the command, draw the base, the chosen targets and the new object into "
             "this PNG file");
  run.footer(kRunFooter);
}

void DefineShow(CLI::App& show, ShowOptions& options) {
  show.add_option("MODEL", options.model, "glTF or Wavefront OBJ model to open, or - for stdin")
      ->required();
  show.add_option("--object", options.objects,
                  "an object to draw; repeat for more (default: the first object and its morph "
                  "targets)")
      ->type_name("NAME")
      ->check(kNotEmpty)
      ->allow_extra_args(false);
  AddPreview(show, options.preview, "the PNG file to draw the objects into")->required();
  show.footer(kShowFooter);
}

}  // namespace

void DefineCommands(CLI::App& app, Commands& commands) {
  commands.info = app.add_subcommand("info", "load a plug-in and print its identity and menu");
  commands.info->add_option("PLUGIN", commands.infoPlugin, "plug-in module to load")->required();
  commands.run = app.add_subcommand(
      "run", "run a plug-in's menu command on a model, answer its dialog, save the result");
  DefineRun(*commands.run, commands.runOptions, commands.batchOptions);
  commands.show = app.add_subcommand(
      "show", "draw objects of a model side by side into a PNG picture, without a plug-in");
  DefineShow(*commands.show, commands.showOptions);
}

}  // namespace refhost::cli
