// The extension module blendforge._blendforge: the host library and a
// plug-in driven as `refhost run` drives them, for the pure-Python package
// around it.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "refhost/cli/answers/DialogAnswers.h"
#include "refhost/cli/pictures/PreviewOutput.h"
#include "refhost/python/ErrorTranslation.h"
#include "refhost/python/HostLock.h"
#include "refhost/python/LoadedPlugin.h"
#include "refhost/python/ModelObject.h"
#include "refhost/python/PythonText.h"

namespace refhost::python {
namespace {

namespace py = pybind11;
using ModelPointer = std::shared_ptr<OpenModel>;

cli::AnsweredWidget WidgetKind(const std::string& kind) {
  if (kind == "list") return cli::AnsweredWidget::ListBox;
  if (kind == "spin") return cli::AnsweredWidget::SpinBox;
  if (kind == "edit") return cli::AnsweredWidget::Edit;
  throw py::value_error("a dialog answer is for a 'list', 'spin' or 'edit', not " + kind);
}

// Answers as (kind, "N=VALUE") pairs, read by the parser of refhost's
// options, so that a wrong one is refused in the same words.
cli::DialogAnswers AnswersOf(const py::list& widgets, const py::handle& press) {
  cli::DialogAnswers answers;
  for (const py::handle item : widgets) {
    const auto pair = item.cast<py::tuple>();
    answers.Add(
        cli::ParseWidgetAnswer(WidgetKind(pair[0].cast<std::string>()), FromPython(pair[1])));
  }
  if (!press.is_none()) answers.press = FromPython(press);
  return answers;
}

py::list Run(const LoadedPlugin& plugin, const ModelPointer& model, const py::handle& object,
             int command, const py::list& widgets, const py::handle& press) {
  cli::MenuRunRequest request;
  request.object = object.is_none() ? "" : FromPython(object);
  request.command = command;
  request.answers = AnswersOf(widgets, press);
  const std::vector<int> added = Serialised([&] { return plugin.Run(*model, request); });
  py::list objects;
  for (int id : added) objects.append(ModelObject(model, id));
  return objects;
}

ModelObject ObjectNamed(const ModelPointer& model, const py::handle& name) {
  const std::string wanted = FromPython(name);
  // Unique IDs count from 1.
  const int id = Serialised([&] {
    const Object* object = model->FindObject(wanted);
    return object == nullptr ? 0 : object->uniqueID();
  });
  if (id == 0) throw py::key_error(py::repr(name).cast<std::string>());
  return ModelObject(model, id);
}

// The base's targets, each as its object's name or as (name, morph name).
py::list MorphTargets(const ModelPointer& model, const py::handle& base, bool withMorphNames) {
  const std::string name = FromPython(base);
  const auto targets = Serialised([&] { return model->Targets(name); });
  if (!targets) throw py::key_error(py::repr(base).cast<std::string>());
  py::list list;
  for (const auto& [object, morph] : *targets) {
    if (withMorphNames)
      list.append(py::make_tuple(ToPython(object), ToPython(morph)));
    else
      list.append(ToPython(object));
  }
  return list;
}

// The preview's options, each read by the parser of refhost's option of
// the same name; a size is "WxH" or a (width, height) pair.
cli::PreviewOptions PreviewOptionsOf(const py::handle& path, const py::handle& size,
                                     const py::handle& view, const py::handle& shading) {
  cli::PreviewOptions options;
  options.path = PathFromPython(path);
  if (py::isinstance<py::tuple>(size)) {
    const auto pair = size.cast<std::pair<int, int>>();
    cli::ParsePreviewSize(std::to_string(pair.first) + "x" + std::to_string(pair.second), options);
  } else if (!size.is_none()) {
    cli::ParsePreviewSize(FromPython(size), options);
  }
  if (!view.is_none()) cli::ParseView(FromPython(view), options);
  if (!shading.is_none()) cli::ParseShading(FromPython(shading), options);
  return options;
}

void Preview(const ModelPointer& model, const py::handle& path, const py::list& objects,
             const py::handle& size, const py::handle& view, const py::handle& shading) {
  const cli::PreviewOptions options = PreviewOptionsOf(path, size, view, shading);
  std::vector<std::string> names;
  for (const py::handle name : objects) names.push_back(FromPython(name));
  Serialised([&] { model->Preview(options, names); });
}

void DefineModel(py::module_& module) {
  py::class_<OpenModel, ModelPointer>(module, "Model")
      .def_property_readonly("path", [](const OpenModel& model) { return ToPython(model.path()); })
      .def_property_readonly("objects",
                             [](const ModelPointer& model) {
                               return ToPython(Serialised([&] { return model->ObjectNames(); }));
                             })
      .def("__getitem__", ObjectNamed)
      .def("targets", [](const ModelPointer& model,
                         const py::handle& base) { return MorphTargets(model, base, false); })
      .def("_morph_targets", [](const ModelPointer& model,
                                const py::handle& base) { return MorphTargets(model, base, true); })
      .def("save",
           [](const ModelPointer& model, const py::handle& path) {
             const std::string output = PathFromPython(path);
             Serialised([&] { model->Save(output); });
           })
      .def("preview", Preview, py::arg("path"), py::kw_only(), py::arg("objects") = py::list(),
           py::arg("size") = py::none(), py::arg("view") = py::none(),
           py::arg("shading") = py::none());
  module.def("_open", [](const py::handle& path) {
    const std::string input = PathFromPython(path);
    // Python frees a model whenever its last reference goes, so the host
    // lock is taken there too; no holder of the lock waits for the GIL.
    return ModelPointer(Serialised([&] { return new OpenModel(input); }), [](OpenModel* model) {
      const std::lock_guard<std::mutex> lock(HostMutex());
      delete model;
    });
  });
}

void DefinePlugin(py::module_& module) {
  py::class_<LoadedPlugin>(module, "LoadedPlugin")
      .def(py::init([](const py::handle& path) {
        const std::string module = PathFromPython(path);
        return Serialised([&] { return std::make_unique<LoadedPlugin>(module); });
      }))
      .def_property_readonly("path",
                             [](const LoadedPlugin& plugin) { return ToPython(plugin.path()); })
      .def_property_readonly(
          "name", [](const LoadedPlugin& plugin) { return ToPython(plugin.identity().name); })
      .def_property_readonly(
          "commands",
          [](const LoadedPlugin& plugin) { return ToPython(plugin.identity().menuStrings); })
      .def("run", Run);
  module.def("default_plugin_path", [] { return ToPython(DefaultPluginPath()); });
}

void DefineObject(py::module_& module) {
  py::class_<ModelObject>(module, "Object")
      .def_property_readonly("name",
                             [](const ModelObject& object) { return ToPython(object.name()); })
      .def_property_readonly("positions", &ModelObject::positions);
}

}  // namespace
}  // namespace refhost::python

PYBIND11_MODULE(_blendforge, module) {
  module.doc() = "The host library and plug-in behind the blendforge package.";
  refhost::python::RegisterErrorTranslation();
  refhost::python::DefineObject(module);
  refhost::python::DefineModel(module);
  refhost::python::DefinePlugin(module);
}
