#include "refhost/model/ObjWriter.h"

#include <charconv>
#include <cstdint>

#include "refhost/model/AtomicFile.h"
#include "refhost/model/ModelFileError.h"

namespace refhost {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;
constexpr std::uint64_t kWriteProgressStep = 1 << 20;

// Room for one line of numbers: a float needs at most 15 characters in its
// shortest form, an int 11.
constexpr std::size_t kLineRoom = 64;

class ObjFormatter {
 public:
  ObjFormatter(const std::string& fileName, const std::function<void(std::string_view)>& sink,
               Progress* progress)
      : fileName_(fileName), sink_(sink), progress_(progress) {
    buffer_.reserve(kFlushSize + kLineRoom);
  }

  void Write(const Document& document) {
    total_ = CountElements(document);
    for (int index = 0; index < document.ObjectCount(); ++index) {
      const Object* object = document.ObjectAt(index);
      if (object != nullptr) WriteObject(*object, index);
    }
    Flush();
  }

 private:
  static std::uint64_t CountElements(const Document& document) {
    std::uint64_t count = 0;
    for (int index = 0; index < document.ObjectCount(); ++index) {
      const Object* object = document.ObjectAt(index);
      if (object == nullptr) continue;
      count += object->vertices().size() + object->textureCoords().size() + object->faces().size();
    }
    return count;
  }

  void WriteObject(const Object& object, int index) {
    if (object.name().find_first_of("\r\n") != std::string::npos)
      throw ModelFileError(fileName_, "the name of the object at position " +
                                          std::to_string(index + 1) +
                                          " holds a line break, which OBJ cannot store");
    buffer_ += "o ";
    buffer_ += object.name();
    buffer_ += '\n';
    for (const MQPoint& point : object.vertices()) {
      buffer_ += 'v';
      AppendFloat(point.x);
      AppendFloat(point.y);
      AppendFloat(point.z);
      EndLine();
    }
    for (const auto& uv : object.textureCoords()) {
      buffer_ += "vt";
      AppendFloat(uv[0]);
      AppendFloat(uv[1]);
      EndLine();
    }
    for (const Face& face : object.faces()) WriteFace(face);
    vertexBase_ += object.vertices().size();
    textureBase_ += object.textureCoords().size();
  }

  void WriteFace(const Face& face) {
    buffer_ += 'f';
    bool textured = !face.textureCoords.empty();
    for (std::size_t corner = 0; corner < face.vertices.size(); ++corner) {
      buffer_ += ' ';
      AppendNumber(vertexBase_ + face.vertices[corner] + 1);
      if (!textured) continue;
      buffer_ += '/';
      AppendNumber(textureBase_ + face.textureCoords[corner] + 1);
    }
    EndLine();
  }

  void AppendFloat(float value) {
    char text[kLineRoom];
    text[0] = ' ';
    auto result = std::to_chars(text + 1, text + sizeof text, value);
    buffer_.append(text, result.ptr);
  }

  void AppendNumber(std::uint64_t value) {
    char text[kLineRoom];
    auto result = std::to_chars(text, text + sizeof text, value);
    buffer_.append(text, result.ptr);
  }

  void EndLine() {
    buffer_ += '\n';
    ++done_;
    if (buffer_.size() >= kFlushSize) Flush();
    if (progress_ != nullptr && done_ % kWriteProgressStep == 0) progress_->Advance(done_, total_);
  }

  void Flush() {
    sink_(buffer_);
    buffer_.clear();
  }

  const std::string& fileName_;
  const std::function<void(std::string_view)>& sink_;
  Progress* progress_;
  std::string buffer_;
  std::uint64_t vertexBase_ = 0;
  std::uint64_t textureBase_ = 0;
  std::uint64_t done_ = 0;
  std::uint64_t total_ = 0;
};

}  // namespace

void WriteObj(const Document& document, const std::string& fileName,
              const std::function<void(std::string_view)>& sink, Progress* progress) {
  ObjFormatter(fileName, sink, progress).Write(document);
}

void WriteObjFile(const Document& document, const std::filesystem::path& path, Progress* progress) {
  AtomicFile file(path);
  WriteObj(
      document, path.string(), [&](std::string_view bytes) { file.Write(bytes); }, progress);
  file.Commit();
}

}  // namespace refhost
