#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "refhost/cli/MenuRun.h"
#include "refhost/cli/pictures/PreviewOutput.h"
#include "refhost/document/Document.h"
#include "refhost/model/ModelFile.h"

namespace refhost::python {

// A model file read into a document of its own, as `refhost run` reads it,
// with what the last run on it did. Callers hold the host lock.
class OpenModel {
 public:
  // ModelFileError when the file cannot be read.
  explicit OpenModel(std::string path);
  OpenModel(const OpenModel&) = delete;
  OpenModel& operator=(const OpenModel&) = delete;
  // Frees the document: a pipeline opens thousands of models in one process.
  ~OpenModel();

  const std::string& path() const { return path_; }
  Document& document() { return document_; }
  const Document& document() const { return document_; }

  std::vector<std::string> ObjectNames() const;
  // The object named `name`; null when the document holds none.
  const Object* FindObject(const std::string& name) const;
  // The object that the unique ID names while the document holds it; null
  // once it is gone.
  const Object* HeldObject(int uniqueID) const;
  // The base's morph targets as the dialog lists them, each with its morph
  // name; null when the document holds no object `base`.
  std::optional<std::vector<std::pair<std::string, std::string>>> Targets(
      const std::string& base) const;

  // Writes the document, in the format the path's extension names,
  // atomically; CliError or ModelFileError naming the file.
  void Save(const std::string& output) const;
  // Draws the named objects (none: what the last run made, or when there was
  // none the first object and its targets) into a PNG file.
  void Preview(const cli::PreviewOptions& options, const std::vector<std::string>& names) const;

  // What a run did, which the preview draws.
  void NoteRun(cli::MenuRun run) { lastRun_ = std::move(run); }
  // After a run whose result was refused, the document may hold part of it:
  // it is neither written nor run on again.
  void Spoil() { spoiled_ = true; }
  // CliError naming the model when it is spoiled.
  void RequireUnspoiled() const;

 private:
  std::string path_;
  Document& document_;
  std::unique_ptr<ModelFile> file_;
  std::optional<cli::MenuRun> lastRun_;
  bool spoiled_ = false;
};

}  // namespace refhost::python
