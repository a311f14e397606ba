#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "refhost/Document.h"
#include "refhost/model/Progress.h"

namespace refhost {

// Wavefront OBJ output: every object in document order (empty positions
// skipped) as "o", "v", "vt" and "f" lines with file-wide 1-based numbers.
// Coordinates are written in the shortest form that reads back to the same
// bits. The text is handed to `sink` in pieces. An object name that OBJ
// cannot hold (one with a line break) throws ModelFileError naming `fileName`.
void WriteObj(const Document& document, const std::string& fileName,
              const std::function<void(std::string_view)>& sink, Progress* progress = nullptr);

// Writes the document to `path` through an AtomicFile: an existing file
// there is replaced only by a complete new one.
void WriteObjFile(const Document& document, const std::filesystem::path& path,
                  Progress* progress = nullptr);

}  // namespace refhost
