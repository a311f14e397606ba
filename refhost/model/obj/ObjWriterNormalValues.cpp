#include "refhost/model/obj/ObjWriterNormalValues.h"

#include <algorithm>
#include <string_view>

#include "refhost/model/obj/ObjReaderNumbers.h"
#include "refhost/model/obj/ObjTokens.h"

namespace refhost {
namespace {

// Kept lines are joined by their own line ends, and the file's line break
// (an LF, or a CR in a file without LFs) is what ended each of them; a CR
// before an LF is a blank to the tokens.
void ReadNormalsIn(std::string_view text, char lineBreak, const ObjReaderNumbers& numbers,
                   std::vector<MQPoint>& normals) {
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find(lineBreak, start), text.size());
    ObjTokens tokens(text.substr(start, end - start));
    if (tokens.Next() == "vn") {
      MQPoint& normal = normals.emplace_back();
      normal.x = numbers.Coordinate(tokens, "normal", 3);
      normal.y = numbers.Coordinate(tokens, "normal", 3);
      normal.z = numbers.Coordinate(tokens, "normal", 3);
    }
    start = end + 1;
  }
}

}  // namespace

std::vector<MQPoint> NormalValuesOf(const ObjFile& file, const std::string& fileName) {
  const ObjReaderPosition position(fileName);
  const ObjReaderNumbers numbers(position);
  std::vector<MQPoint> normals;
  normals.reserve(static_cast<std::size_t>(file.normals));
  for (const ObjStatement& statement : file.statements)
    if (statement.kind == ObjStatement::Kind::Text && statement.number > 0)
      ReadNormalsIn(std::string_view(file.keptText).substr(statement.offset, statement.length),
                    file.lineEnd.back(), numbers, normals);
  return normals;
}

}  // namespace refhost
