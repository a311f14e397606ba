#include "refhost/python/ErrorTranslation.h"

#include <pybind11/pybind11.h>

#include <exception>
#include <utility>

#include "refhost/cli/CliError.h"
#include "refhost/python/LoadedPlugin.h"
#include "refhost/python/PythonText.h"
#include "refhost/text/MessageText.h"
#include "refhost/text/ModelFileError.h"

namespace refhost::python {
namespace {

namespace py = pybind11;

py::object ErrorClass(const char* name) {
  return py::module_::import("blendforge._errors").attr(name);
}

void Raise(const py::object& exception) {
  PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(exception.ptr())), exception.ptr());
}

py::object Message(const std::exception& error) { return ToPython(Escaped(error.what())); }

void RaiseModelError(const ModelFileError& error) {
  const py::object line = error.line() == 0 ? py::object(py::none()) : py::int_(error.line());
  const py::object pointer =
      error.pointer().empty() ? py::object(py::none()) : ToPython(error.pointer());
  Raise(ErrorClass("ModelError")(Message(error), ToPython(error.file()), line, pointer));
}

void Translate(std::exception_ptr failure) {
  try {
    std::rethrow_exception(std::move(failure));
  } catch (const ModelFileError& error) {
    RaiseModelError(error);
  } catch (const CommandUnchanged& error) {
    Raise(ErrorClass("Unchanged")(Message(error)));
  } catch (const cli::CliError& error) {
    Raise(ErrorClass("Error")(Message(error)));
  }
}

}  // namespace

void RegisterErrorTranslation() { py::register_exception_translator(Translate); }

}  // namespace refhost::python
