#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "refhost/widgetservice/WidgetService.h"
#include "tests/support/HostFixture.h"
#include "widgets/MQEdit.h"
#include "widgets/MQListBox.h"
#include "widgets/ValueList.h"

namespace {

using refhost::BreachKind;

TEST(ValueListTest, PairsFollowEachOtherAndOneNullSlotEndsTheList) {
  const char* kind = "frame";
  std::int32_t id = 0;
  ValueList<2> list({{"type", kind}, {"id", &id}});
  void** slots = list.slots();

  EXPECT_STREQ(static_cast<const char*>(slots[0]), "type") << "the first slot holds the first key";
  EXPECT_EQ(slots[1], kind) << "a narrow string goes as the pointer to its characters";
  EXPECT_STREQ(static_cast<const char*>(slots[2]), "id") << "pairs must stay in their order";
  EXPECT_EQ(slots[3], &id) << "an out-value goes by address, so the host can write it";
  EXPECT_EQ(slots[4], nullptr) << "the host finds the end only by a null key slot";
  EXPECT_EQ(sizeof list, 5 * sizeof(void*)) << "the list must live in the caller's own storage";
}

// The reader must notice lists that break the protocol; otherwise its silence
// in every other test would prove nothing.
struct BadList {
  const char* name;
  BreachKind expected;
  std::function<void(int edit, int listBox)> send;
};

void Send(int target, WidgetOp code, void** list) {
  HOST_FN(MQWidget_Value)(target, static_cast<int>(code), list);
}

char* Key(const char* key) { return const_cast<char*>(key); }

const BadList kBadLists[] = {
    {"OutValueNotPreset", BreachKind::NotPreset,
     [](int, int) {
       std::int32_t id = 7;
       void* list[] = {Key("type"), Key("frame"), Key("id"), &id, nullptr};
       Send(0, WidgetOp::Create, list);
     }},
    {"BoolWiderThanOneBit", BreachKind::BadBool,
     [](int edit, int) {
       std::uint8_t flag = 2;
       void* list[] = {Key("readonly"), &flag, nullptr};
       Send(edit, WidgetOp::SetValue, list);
     }},
    {"TagBeforeItsIndex", BreachKind::PairOrder,
     [](int, int listBox) {
       std::uint64_t tag = 0;
       std::int32_t index = 0;
       void* list[] = {Key("item.tag"), &tag, Key("index"), &index, nullptr};
       Send(listBox, WidgetOp::GetValue, list);
     }},
    {"UnknownKey", BreachKind::UnknownKey,
     [](int edit, int) {
       double width = 1.0;
       void* list[] = {Key("width"), &width, nullptr};
       Send(edit, WidgetOp::SetValue, list);
     }},
};

void PrintTo(const BadList& list, std::ostream* out) { *out << list.name; }

class ValueListReaderTest : public HostTest, public ::testing::WithParamInterface<BadList> {};

TEST_P(ValueListReaderTest, ReaderFlagsAHandBuiltBadList) {
  const MQEdit edit;
  const MQListBox listBox;
  refhost::WidgetService& service = refhost::WidgetService::Instance();
  ASSERT_TRUE(service.breaches().empty()) << "the wrappers' own lists must be sound";

  GetParam().send(edit.GetID(), listBox.GetID());

  const BreachKind expected = GetParam().expected;
  const std::vector<refhost::ProtocolBreach>& breaches = service.breaches();
  ASSERT_FALSE(breaches.empty()) << "a bad list must be flagged";
  EXPECT_TRUE(std::any_of(breaches.begin(), breaches.end(),
                          [&](const auto& breach) { return breach.kind == expected; }))
      << "the reader named the wrong breach: " << breaches.front().what;
}

INSTANTIATE_TEST_SUITE_P(BadLists, ValueListReaderTest, ::testing::ValuesIn(kBadLists),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
