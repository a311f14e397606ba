#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "refhost/document/Document.h"
#include "refhost/files/Progress.h"
#include "refhost/model/ModelFormat.h"

namespace refhost {

// A model file as read: everything of it that the document does not hold,
// kept so that the document can be written back onto it and nothing the file
// held is lost. Each format has its own.
class ModelFile {
 public:
  using Sink = std::function<void(std::string_view)>;

  virtual ~ModelFile() = default;

  // Writes `document`, the one this file was read into, as it is now, handing
  // the bytes to `sink` in pieces: what changed in it (positions, names, new
  // objects) changes in the file, the rest comes back as it was read.
  // `output` is where the bytes go, for messages and for references the file
  // makes relative to itself. Throws ModelFileError naming `output`.
  virtual void WriteTo(const Document& document, const std::filesystem::path& output,
                       const Sink& sink, Progress* progress) const = 0;

  // The same into the file at `path`, through an AtomicFile, so an existing
  // file there is replaced only by a complete one, in the format its
  // extension names, or the format read when it names none. A path whose
  // extension names the other family of formats (OBJ against glTF) is
  // refused, since neither carries what the other holds.
  void Write(const Document& document, const std::filesystem::path& path,
             Progress* progress = nullptr) const;

  // The format the file was read in.
  ModelFormat format = ModelFormat::Obj;
  // Told, while writing, what the output lacks that a user may expect of it
  // and why (the normals of a mix the file cannot carry); none by default.
  std::function<void(const std::string&)> notes;
};

// Reads the model at `path` into `document` in the format its extension
// names (FormatNamedBy), or else the one its first bytes show
// (FormatOfContent); a file they show no format of is refused, listing the
// formats read. A pipe or device of no known extension is read as OBJ.
// Throws ModelFileError naming the file and, for a flaw in it, the line or
// the JSON pointer.
std::unique_ptr<ModelFile> ReadModelFile(const std::filesystem::path& path, Document& document,
                                         Progress* progress = nullptr);

// The same for a model that is no file, such as stdin: its bytes, in the
// format they show (FormatOfBytes), and the name that messages give it.
std::unique_ptr<ModelFile> ParseModel(std::string bytes, const std::string& name,
                                      Document& document);

}  // namespace refhost
