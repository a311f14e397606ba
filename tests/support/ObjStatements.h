#pragma once

#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// An OBJ text as the statements it makes, each one string in which what can
// be written differently with the same meaning is written one way: blank
// lines left out, single blanks between words, numbers as the bits of the
// float they read as, references to v, vt and vn lines as their number from
// the file's start, and mtllib names as absolute paths. Two texts read as the
// same model, statement for statement, exactly when their lists are equal.
// Kept apart from the reader under test, so that it checks the reader rather
// than repeat it.
class ObjStatements {
 public:
  ObjStatements(const std::string& text, const std::filesystem::path& folder) : folder_(folder) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) Add(line);
  }

  const std::vector<std::string>& list() const { return list_; }

  // How many statements each keyword starts ("#" for comments).
  std::map<std::string, int> Counts() const {
    std::map<std::string, int> counts;
    for (const std::string& statement : list_) ++counts[statement.substr(0, statement.find(' '))];
    return counts;
  }

 private:
  void Add(const std::string& line) {
    std::istringstream words(line);
    std::string keyword;
    if (!(words >> keyword)) return;
    std::string statement = keyword;
    for (std::string word; words >> word;) {
      if (word[0] == '#') {
        std::string comment;
        std::getline(words, comment);
        statement += " " + word + comment;
        break;
      }
      statement += " " + Normal(keyword, word);
    }
    if (keyword == "v" || keyword == "vt" || keyword == "vn") ++defined_[keyword];
    while (!statement.empty() && std::isspace(static_cast<unsigned char>(statement.back())))
      statement.pop_back();
    list_.push_back(statement);
  }

  std::string Normal(const std::string& keyword, const std::string& word) const {
    if (keyword == "v" || keyword == "vt" || keyword == "vn" || keyword == "vp")
      return FloatBitsOf(word);
    if (keyword == "f" || keyword == "l" || keyword == "p") return AbsoluteCorner(word);
    if (keyword == "mtllib")
      return (std::filesystem::path(folder_) / word).lexically_normal().generic_string();
    return word;
  }

  static std::string FloatBitsOf(const std::string& word) {
    float value = 0;
    const char* first = word.data() + (word[0] == '+' ? 1 : 0);
    auto [end, error] = std::from_chars(first, word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return word;
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return "0x" + std::to_string(bits);
  }

  std::string AbsoluteCorner(const std::string& corner) const {
    static const char* const kKinds[] = {"v", "vt", "vn"};
    std::string result;
    std::istringstream parts(corner);
    int part = 0;
    for (std::string number; std::getline(parts, number, '/'); ++part) {
      if (part > 0) result += "/";
      if (number.empty() || part > 2) {
        result += number;
        continue;
      }
      const long long reference = std::stoll(number);
      const auto found = defined_.find(kKinds[part]);
      const long long defined = found == defined_.end() ? 0 : found->second;
      result += std::to_string(reference > 0 ? reference : defined + reference + 1);
    }
    return result;
  }

  std::filesystem::path folder_;
  std::map<std::string, long long> defined_;
  std::vector<std::string> list_;
};
