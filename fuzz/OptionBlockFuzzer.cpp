// The event option block as a hostile host might lay it out: keys of any
// bytes, repeated keys, null value pointers. The reader must find the first
// pair of a key and write only through the value pointer it found.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "plugin/OptionBlock.h"

namespace {

constexpr std::size_t kMaxPairs = 24;
const char* const kKnownKeys[] = {"index", "result", "filename",    "save_uid", "pressure", "key",
                                  "state", "scene",  "src_product", "",         "result2"};

// Room for any value the reader may take: a 64-bit integer, a float, a text.
struct ValueSlot {
  alignas(8) unsigned char bytes[16] = {};
};

struct Block {
  std::vector<std::string> keys;
  std::vector<ValueSlot> slots;
  std::vector<void*> pairs;
};

std::string NextKey(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return input.PickValueInArray(kKnownKeys);
  return input.ConsumeRandomLengthString(12);
}

Block MakeBlock(FuzzedDataProvider& input) {
  Block block;
  const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, kMaxPairs);
  block.keys.reserve(count);
  block.slots.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    block.keys.push_back(NextKey(input));
    const std::vector<std::uint8_t> value = input.ConsumeBytes<std::uint8_t>(15);
    if (!value.empty()) std::memcpy(block.slots[i].bytes, value.data(), value.size());
  }
  for (std::size_t i = 0; i < count; ++i) {
    const bool nullValue = input.ConsumeIntegralInRange(0, 7) == 0;
    block.pairs.push_back(const_cast<char*>(block.keys[i].c_str()));
    block.pairs.push_back(nullValue ? nullptr : block.slots[i].bytes);
  }
  block.pairs.push_back(nullptr);
  block.pairs.push_back(nullptr);
  return block;
}

// The first pair named `key`, found the plain way; keys are C texts, so a
// zero byte ends them.
void* ExpectedValue(const Block& block, const std::string& key) {
  for (std::size_t i = 0; i < block.keys.size(); ++i) {
    if (std::strcmp(block.keys[i].c_str(), key.c_str()) == 0) return block.pairs[2 * i + 1];
  }
  return nullptr;
}

void CheckStore(Block& block, const std::string& key, bool wide, std::int64_t value) {
  const std::vector<ValueSlot> before = block.slots;
  void* target = ExpectedValue(block, key);
  if (wide) {
    StoreOptionInt64(block.pairs.data(), key.c_str(), value);
  } else {
    StoreOptionInt32(block.pairs.data(), key.c_str(), static_cast<std::int32_t>(value));
  }
  const std::size_t written = wide ? sizeof(std::int64_t) : sizeof(std::int32_t);
  for (std::size_t i = 0; i < block.slots.size(); ++i) {
    const bool isTarget = block.slots[i].bytes == target;
    Check(std::memcmp(block.slots[i].bytes + (isTarget ? written : 0),
                      before[i].bytes + (isTarget ? written : 0),
                      sizeof(ValueSlot) - (isTarget ? written : 0)) == 0,
          "a store writes nothing beyond the found value");
    if (isTarget)
      Check(std::memcmp(block.slots[i].bytes, &value, written) == 0, "a store writes the value");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Block block = MakeBlock(input);
  const std::string key = NextKey(input);
  void* expected = ExpectedValue(block, key);
  Check(FindOptionValue(block.pairs.data(), key.c_str()) == expected,
        "the first pair of the key is found");
  Check(GetOptionText(block.pairs.data(), key.c_str()) == expected, "a text is the found value");
  const int fallback = input.ConsumeIntegral<int>();
  const int read = GetOptionInt(block.pairs.data(), key.c_str(), fallback);
  if (expected == nullptr) Check(read == fallback, "a missing integer reads as the default");
  const float fallbackFloat = 0.5f;
  const float readFloat = GetOptionFloat(block.pairs.data(), key.c_str(), fallbackFloat);
  if (expected == nullptr)
    Check(readFloat == fallbackFloat, "a missing float reads as the default");
  Check(FindOptionValue(nullptr, key.c_str()) == nullptr, "a null block is empty");
  CheckStore(block, key, input.ConsumeBool(), input.ConsumeIntegral<std::int64_t>());
  return 0;
}
