#include "refhost/python/PythonText.h"

namespace refhost::python {

namespace py = pybind11;

py::str ToPython(const std::string& text) {
  PyObject* decoded =
      PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "surrogateescape");
  if (decoded == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(decoded);
}

std::string FromPython(const py::handle& text) {
  if (!PyUnicode_Check(text.ptr())) throw py::type_error("expected a str");
  PyObject* encoded = PyUnicode_AsEncodedString(text.ptr(), "utf-8", "surrogateescape");
  if (encoded == nullptr) throw py::error_already_set();
  const auto bytes = py::reinterpret_steal<py::bytes>(encoded);
  return std::string(bytes);
}

std::string PathFromPython(const py::handle& path) {
  PyObject* text = PyOS_FSPath(path.ptr());
  if (text == nullptr) throw py::error_already_set();
  const auto named = py::reinterpret_steal<py::object>(text);
  if (PyBytes_Check(text)) return std::string(py::bytes(named));
  return FromPython(named);
}

py::list ToPython(const std::vector<std::string>& texts) {
  py::list list;
  for (const std::string& text : texts) list.append(ToPython(text));
  return list;
}

}  // namespace refhost::python
