#pragma once

#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "abi/HostApi.h"

// The lines of an OBJ text without their line ends.
inline std::vector<std::string> ObjLinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The lines of an OBJ text with every number of an element's corners, from 1
// or counting back, replaced by the v, vt or vn line it names, in brackets:
// two texts whose lines and references are the same however they are
// numbered give the same list. Kept apart from the reader and writer under
// test, so that it checks them rather than repeat them.
inline std::vector<std::string> ResolvedLines(const std::string& text) {
  static const char* const kKinds[] = {"v", "vt", "vn"};
  std::map<std::string, std::vector<std::string>> defined;
  std::vector<std::string> resolved;
  for (const std::string& line : ObjLinesOf(text)) {
    std::istringstream words(line);
    std::string keyword;
    words >> keyword;
    if (keyword == "v" || keyword == "vt" || keyword == "vn") defined[keyword].push_back(line);
    if (keyword != "f" && keyword != "l" && keyword != "p") {
      resolved.push_back(line);
      continue;
    }
    std::string statement = keyword;
    for (std::string corner; words >> corner;) {
      statement += " ";
      std::istringstream parts(corner);
      int part = 0;
      for (std::string number; std::getline(parts, number, '/'); ++part) {
        if (part > 0) statement += "/";
        if (number.empty()) continue;
        const std::vector<std::string>& lines = defined[kKinds[std::min(part, 2)]];
        const long long reference = std::stoll(number);
        const long long index =
            reference > 0 ? reference - 1 : static_cast<long long>(lines.size()) + reference;
        statement += index >= 0 && index < static_cast<long long>(lines.size())
                         ? "[" + lines[static_cast<std::size_t>(index)] + "]"
                         : "[undefined " + number + "]";
      }
    }
    resolved.push_back(statement);
  }
  return resolved;
}

// Takes the lines of object `name`, from its o line to the next one, out of
// `lines`, and returns them.
inline std::vector<std::string> TakeObjectLines(std::vector<std::string>& lines,
                                                const std::string& name) {
  const auto starts = [](const std::string& line) { return line.rfind("o ", 0) == 0; };
  const auto first = std::find(lines.begin(), lines.end(), "o " + name);
  if (first == lines.end()) return {};
  const auto last = std::find_if(first + 1, lines.end(), starts);
  std::vector<std::string> taken(first, last);
  lines.erase(first, last);
  return taken;
}

// The vectors of the vn lines among `lines`, read with the C++ library.
inline std::vector<MQPoint> NormalsOn(const std::vector<std::string>& lines) {
  std::vector<MQPoint> normals;
  for (const std::string& line : lines) {
    if (line.rfind("vn ", 0) != 0) continue;
    std::istringstream words(line.substr(3));
    float values[3] = {};
    for (float& value : values) {
      std::string word;
      words >> word;
      std::from_chars(word.data(), word.data() + word.size(), value);
    }
    normals.push_back({values[0], values[1], values[2]});
  }
  return normals;
}
