#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "plugin/OptionBlock.h"
#include "tests/support/HostOptionBlock.h"

namespace {

TEST(OptionBlockTest, NullBlockIsEmpty) {
  EXPECT_EQ(FindOptionValue(nullptr, "index"), nullptr) << "a null block must hold no keys";
  EXPECT_EQ(GetOptionInt(nullptr, "width", 1), 1) << "a null block must give the default";
  EXPECT_EQ(GetOptionFloat(nullptr, "pressure", 0.5f), 0.5f);
  EXPECT_EQ(GetOptionText(nullptr, "trigger"), nullptr);
}

TEST(OptionBlockTest, FirstPairWithTheKeyCounts) {
  std::int32_t first = 11;
  std::int32_t second = 22;
  HostOptionBlock block;
  block.Add("index", &first).Add("index", &second);
  EXPECT_EQ(FindOptionValue(block.data(), "index"), &first) << "a later duplicate was taken";
  EXPECT_EQ(GetOptionInt(block.data(), "index", 0), 11) << "a later duplicate was taken";
}

TEST(OptionBlockTest, NullFirstValueGivesDefaultDespiteLaterDuplicate) {
  std::int32_t later = 22;
  HostOptionBlock block;
  block.Add("index", nullptr).Add("index", &later);
  EXPECT_EQ(FindOptionValue(block.data(), "index"), nullptr)
      << "the search went on past the first pair with the key";
  EXPECT_EQ(GetOptionInt(block.data(), "index", -3), -3)
      << "the search went on past the first pair with the key";
}

TEST(OptionBlockTest, KeysMatchByExactBytes) {
  std::int32_t value = 5;
  for (const char* key : {"Index", "index ", "ind", "indexes", ""}) {
    HostOptionBlock block;
    block.Add(key, &value);
    EXPECT_EQ(FindOptionValue(block.data(), "index"), nullptr)
        << "key \"" << key << "\" must not match \"index\"";
  }
}

TEST(OptionBlockTest, NothingBehindTheNullKeyIsRead) {
  std::int32_t hidden = 9;
  void* pairs[] = {nullptr, nullptr, const_cast<char*>("index"), &hidden, nullptr, nullptr};
  EXPECT_EQ(GetOptionInt(pairs, "index", 0), 0) << "the block ends at the first null key";
}

TEST(OptionBlockTest, ValuesAreReadByTheirKind) {
  std::int32_t width = -640;
  float pressure = 0.25f;
  const char trigger[] = "local";
  HostOptionBlock block;
  block.Add("width", &width).Add("pressure", &pressure).Add("trigger", trigger);
  EXPECT_EQ(GetOptionInt(block.data(), "width", 1), -640);
  EXPECT_EQ(GetOptionFloat(block.data(), "pressure", 0.0f), 0.25f);
  EXPECT_EQ(GetOptionText(block.data(), "trigger"), trigger) << "text must be passed, not copied";
  EXPECT_EQ(GetOptionFloat(block.data(), "absent", 1.5f), 1.5f);
}

TEST(OptionBlockTest, SixtyFourBitStoreFillsTheWholeStorage) {
  std::int64_t storage = 0;
  HostOptionBlock block;
  block.Add("result", &storage);
  StoreOptionInt64(block.data(), "result", INT64_C(0x123456789ABCDEF0));
  EXPECT_EQ(storage, INT64_C(0x123456789ABCDEF0)) << "the upper half was lost";
}

TEST(OptionBlockTest, ThirtyTwoBitStoreLeavesTheRestOfTheStorage) {
  unsigned char storage[8];
  std::memset(storage, 0xA5, sizeof storage);
  HostOptionBlock block;
  block.Add("result", storage);
  StoreOptionInt32(block.data(), "result", -2);
  std::int32_t stored = 0;
  std::memcpy(&stored, storage, 4);
  EXPECT_EQ(stored, -2);
  for (int i = 4; i < 8; ++i) {
    EXPECT_EQ(storage[i], 0xA5) << "byte " << i << " behind the 32-bit value was written";
  }
}

TEST(OptionBlockTest, StoreWithoutStorageWritesNothing) {
  std::int32_t other = 4;
  HostOptionBlock block;
  block.Add("save_uid", nullptr).Add("index", &other);
  StoreOptionInt32(block.data(), "save_uid", 1);
  StoreOptionInt64(block.data(), "result", 1);
  StoreOptionInt32(nullptr, "save_uid", 1);
  EXPECT_EQ(other, 4) << "a store without storage reached another key's value";
}

}  // namespace
