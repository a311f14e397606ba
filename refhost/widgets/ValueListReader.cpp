#include "refhost/widgets/ValueListReader.h"

#include <cstdint>
#include <cstring>
#include <sstream>

namespace refhost {
namespace {

// Guards the reader against a list that is never terminated.
constexpr std::size_t kMaxPairs = 64;
constexpr std::size_t kMaxTextUnits = 1 << 20;

bool KindAllows(const KeySpec& spec, const std::string& kind) {
  if (spec.kinds == nullptr || kind.empty()) return true;
  std::istringstream kinds(spec.kinds);
  std::string allowed;
  while (kinds >> allowed) {
    if (allowed == kind) return true;
  }
  return false;
}

std::string Render(const KeySpec& spec, const void* value) {
  if (value == nullptr) return "null";
  switch (spec.type) {
    case ValueType::Narrow: return '"' + std::string(static_cast<const char*>(value)) + '"';
    case ValueType::Wide: return '"' + ToUtf8(ReadWide(value)) + '"';
    case ValueType::Int: return std::to_string(*static_cast<const std::int32_t*>(value));
    case ValueType::Bool: return std::to_string(*static_cast<const unsigned char*>(value));
    case ValueType::Double: {
      std::ostringstream text;
      text.precision(17);
      text << *static_cast<const double*>(value);
      return text.str();
    }
    case ValueType::Tag: return std::to_string(*static_cast<const std::uint64_t*>(value));
    case ValueType::WideBuffer: return "buffer";
    case ValueType::Method: return "method";
  }
  return {};
}

bool IsPreset(const KeySpec& spec, const void* value) {
  switch (spec.type) {
    case ValueType::Int: return *static_cast<const std::int32_t*>(value) == spec.preset;
    case ValueType::Double: return *static_cast<const double*>(value) == spec.preset;
    case ValueType::Tag: return *static_cast<const std::uint64_t*>(value) == 0;
    default: return true;
  }
}

// What a single pair must satisfy on its own.
void CheckPair(const KeySpec& spec, const void* value, const std::string& kind,
               std::vector<std::string>& problems) {
  const std::string key = spec.key;
  if (!KindAllows(spec, kind)) problems.push_back("\"" + key + "\" does not apply to a " + kind);
  if (spec.type == ValueType::Method) {
    if (value != nullptr) problems.push_back("method \"" + key + "\" carries a value");
    return;
  }
  if (value == nullptr) {
    problems.push_back("\"" + key + "\" has a null value pointer");
    return;
  }
  if (spec.type == ValueType::Bool && *static_cast<const unsigned char*>(value) > 1) {
    problems.push_back("bool \"" + key + "\" is not one byte 0 or 1");
  }
  if (spec.out && !IsPreset(spec, value)) {
    problems.push_back("out-value \"" + key + "\" is not preset to its default");
  }
}

// Rules that span the pairs of one list.
void CheckOrder(int code, const std::vector<ReadPair>& pairs, std::vector<std::string>& problems) {
  bool indexPending = false;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const std::string key = pairs[i].spec->key;
    const bool isMethod = pairs[i].spec->type == ValueType::Method;
    if (code == widget_op::kCallMethod && (i == 0) != isMethod) {
      problems.push_back("the method name must be the first pair, and only the first");
    }
    if (key == "index") indexPending = true;
    if (key == "item.tag") {
      if (!indexPending) problems.push_back("\"item.tag\" without an \"index\" before it");
      indexPending = false;
    }
  }
  if (code == widget_op::kSetValue && pairs.size() != 1) {
    problems.push_back("SetValue takes exactly one pair");
  }
}

}  // namespace

std::u16string ReadWide(const void* value) {
  const auto* units = static_cast<const char16_t*>(value);
  std::size_t length = 0;
  while (length < kMaxTextUnits && units[length] != u'\0') ++length;
  return std::u16string(units, length);
}

std::string ToUtf8(const std::u16string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::vector<ReadPair> ReadValueList(int code, const std::string& kind, void** values,
                                    WidgetCall& call, std::vector<std::string>& problems) {
  std::vector<ReadPair> pairs;
  if (values == nullptr) {
    problems.push_back("the value list is null");
    return pairs;
  }
  for (std::size_t i = 0; values[2 * i] != nullptr; ++i) {
    if (i == kMaxPairs) {
      problems.push_back("the value list is not terminated");
      break;
    }
    const char* key = static_cast<const char*>(values[2 * i]);
    void* value = values[2 * i + 1];
    const KeySpec* spec = FindKeySpec(code, key);
    if (spec == nullptr) {
      call.pairs.emplace_back(key, "?");
      problems.push_back("unknown key \"" + std::string(key) + "\" for this operation");
      continue;
    }
    call.pairs.emplace_back(key, Render(*spec, value));
    CheckPair(*spec, value, kind, problems);
    if (value != nullptr || spec->type == ValueType::Method) pairs.push_back({spec, value});
  }
  CheckOrder(code, pairs, problems);
  return pairs;
}

}  // namespace refhost
