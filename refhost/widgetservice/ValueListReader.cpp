#include "refhost/widgetservice/ValueListReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string_view>

#include "refhost/text/WideText.h"

namespace refhost {
namespace {

// Guards the reader against a list that is never terminated.
constexpr std::size_t kMaxPairs = 64;

class Reader {
 public:
  Reader(WidgetOp code, const std::string& kind, std::size_t callIndex,
         std::vector<ProtocolBreach>& breaches)
      : code_(code), kind_(kind), callIndex_(callIndex), breaches_(breaches) {}

  void CheckPair(const KeySpec& keySpec, const void* value);
  void CheckOrder(const std::vector<ReadPair>& pairs);
  void Flag(BreachKind kind, std::string what) {
    breaches_.push_back({callIndex_, kind, std::move(what)});
  }

 private:
  bool KindAllows(const KeySpec& keySpec) const;

  WidgetOp code_;
  const std::string& kind_;
  std::size_t callIndex_;
  std::vector<ProtocolBreach>& breaches_;
};

// Whole, unlike a message's quotes: the record keeps what the plug-in sent.
std::string InDoubleQuotes(const std::string& text) { return '"' + text + '"'; }

std::string Render(const KeySpec& keySpec, const void* value) {
  if (value == nullptr) return "null";
  switch (keySpec.type) {
    case ValueType::Narrow:
      return InDoubleQuotes(static_cast<const char*>(value));
    case ValueType::Wide:
      return InDoubleQuotes(ToUtf8(ReadWide(value)));
    case ValueType::Int:
      return std::to_string(*static_cast<const std::int32_t*>(value));
    case ValueType::Bool:
      return std::to_string(*static_cast<const unsigned char*>(value));
    case ValueType::Double: {
      // Seventeen digits read back to the same bits.
      std::ostringstream text;
      text.precision(17);
      text << *static_cast<const double*>(value);
      return text.str();
    }
    case ValueType::Tag:
      return std::to_string(*static_cast<const std::uint64_t*>(value));
    case ValueType::WideBuffer:
      return "buffer";
    case ValueType::Method:
      return "method";
  }
  return {};
}

std::string RenderPreset(const KeySpec& keySpec) {
  if (keySpec.type == ValueType::Double) return Render(keySpec, &keySpec.preset);
  return std::to_string(static_cast<long long>(keySpec.preset));
}

std::uint64_t BitsOf(const void* value) {
  std::uint64_t bits;
  std::memcpy(&bits, value, sizeof bits);
  return bits;
}

// Bit for bit, so that -0.0 does not pass for the default 0.0.
bool IsPreset(const KeySpec& keySpec, const void* value) {
  switch (keySpec.type) {
    case ValueType::Int:
      return *static_cast<const std::int32_t*>(value) == keySpec.preset;
    case ValueType::Double:
      return BitsOf(value) == BitsOf(&keySpec.preset);
    case ValueType::Tag:
      return *static_cast<const std::uint64_t*>(value) == 0;
    default:
      return true;
  }
}

bool Reader::KindAllows(const KeySpec& keySpec) const {
  if (keySpec.kinds == nullptr || kind_.empty()) return true;
  std::string_view kinds = keySpec.kinds;
  for (std::size_t start = 0; start < kinds.size();) {
    const std::size_t end = std::min(kinds.find(' ', start), kinds.size());
    if (kinds.substr(start, end - start) == kind_) return true;
    start = end + 1;
  }
  return false;
}

void Reader::CheckPair(const KeySpec& keySpec, const void* value) {
  const std::string key = InDoubleQuotes(keySpec.key);
  if (!KindAllows(keySpec)) Flag(BreachKind::UnknownKey, key + " does not apply to a " + kind_);
  if (keySpec.type == ValueType::Method) {
    if (value != nullptr) Flag(BreachKind::PairOrder, "method " + key + " carries a value");
    return;
  }
  if (value == nullptr) return Flag(BreachKind::MissingValue, key + " has a null value pointer");
  if (keySpec.type == ValueType::Bool && *static_cast<const unsigned char*>(value) > 1) {
    Flag(BreachKind::BadBool, "bool " + key + " is not one byte 0 or 1");
  }
  if (keySpec.out && !IsPreset(keySpec, value)) {
    Flag(BreachKind::NotPreset,
         "out-value " + key + " is not preset to its default " + RenderPreset(keySpec));
  }
}

void Reader::CheckOrder(const std::vector<ReadPair>& pairs) {
  bool indexPending = false;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const bool isMethod = pairs[i].keySpec->type == ValueType::Method;
    if (code_ == WidgetOp::CallMethod && (i == 0) != isMethod) {
      Flag(BreachKind::PairOrder, "the method name must be the first pair, and only the first");
    }
    const std::string_view key = pairs[i].keySpec->key;
    if (key == widget_key::kIndex) indexPending = true;
    if (key != widget_key::kItemTag) continue;
    if (!indexPending) Flag(BreachKind::PairOrder, "\"item.tag\" without an \"index\" before it");
    indexPending = false;
  }
  if (code_ == WidgetOp::CallMethod && pairs.empty()) {
    Flag(BreachKind::MissingValue, "CallMethod without a method name");
  }
  if (code_ == WidgetOp::SetValue && pairs.size() != 1) {
    Flag(BreachKind::MalformedList, "SetValue takes exactly one pair");
  }
}

}  // namespace

std::vector<ReadPair> ReadValueList(WidgetOp code, const std::string& kind, void** values,
                                    RecordedCall& call, std::size_t callIndex,
                                    std::vector<ProtocolBreach>& breaches) {
  Reader reader(code, kind, callIndex, breaches);
  std::vector<ReadPair> pairs;
  if (values == nullptr) {
    reader.Flag(BreachKind::MalformedList, "the value list is null");
    return pairs;
  }
  for (std::size_t i = 0; values[2 * i] != nullptr; ++i) {
    if (i == kMaxPairs) {
      reader.Flag(BreachKind::MalformedList, "the value list is not terminated");
      break;
    }
    const char* key = static_cast<const char*>(values[2 * i]);
    void* value = values[2 * i + 1];
    const KeySpec* keySpec = FindKeySpec(code, key);
    if (keySpec == nullptr) {
      call.pairs.emplace_back(key, "?");
      reader.Flag(BreachKind::UnknownKey,
                  "unknown key " + InDoubleQuotes(key) + " for this operation");
      continue;
    }
    call.pairs.emplace_back(key, Render(*keySpec, value));
    reader.CheckPair(*keySpec, value);
    if (value != nullptr || keySpec->type == ValueType::Method) pairs.push_back({keySpec, value});
  }
  reader.CheckOrder(pairs);
  return pairs;
}

}  // namespace refhost
