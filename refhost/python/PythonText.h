#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace refhost::python {

// Names and messages are bytes in the user's encoding, as in the host
// modeller, and need not be UTF-8: they cross into Python as UTF-8 with
// "surrogateescape", so that a name read from a file names the same object
// when it comes back.
pybind11::str ToPython(const std::string& text);
std::string FromPython(const pybind11::handle& text);
pybind11::list ToPython(const std::vector<std::string>& texts);
// A path given as str, bytes or os.PathLike, as the file system names it.
std::string PathFromPython(const pybind11::handle& path);

}  // namespace refhost::python
