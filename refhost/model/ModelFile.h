#pragma once

#include <filesystem>
#include <memory>

#include "refhost/Document.h"
#include "refhost/model/Progress.h"

namespace refhost {

// A model file as read: everything of it that the document does not hold,
// kept so that the document can be written back onto it and nothing the file
// held is lost. Each format has its own.
class ModelFile {
 public:
  virtual ~ModelFile() = default;

  // Writes `document`, the one this file was read into, as it is now: what
  // changed in it (positions, names, new objects) changes in the file, the
  // rest comes back as it was read. The output goes through an AtomicFile, so
  // an existing file at `path` is replaced only by a complete one. Throws
  // ModelFileError naming `path`.
  virtual void Write(const Document& document, const std::filesystem::path& path,
                     Progress* progress) const = 0;
};

// Reads the model at `path` into `document` in the format its extension
// names; OBJ is the only one so far and reads any other name too. Throws
// ModelFileError naming the file and, for a flaw in it, the line.
std::unique_ptr<ModelFile> ReadModelFile(const std::filesystem::path& path, Document& document,
                                         Progress* progress = nullptr);

}  // namespace refhost
