#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/widgets/WidgetTest.h"
#include "widgets/MQListBox.h"

namespace {

using MQListBoxTest = WidgetTest;

// The high half catches a tag cut to 32 bits on its way.
constexpr std::uint64_t kWideTag = 0xFEDCBA9876543210u;

TEST_F(MQListBoxTest, AddItemReturnsTheHostIndexOfTheNewItem) {
  MQListBox listBox;

  EXPECT_EQ(listBox.AddItem(u"elem:a-base", 1), 0);
  EXPECT_EQ(listBox.AddItem(u"elem:b-base", kWideTag), 1);
  EXPECT_EQ(listBox.AddItem(u"", 0), 2) << "an empty caption is still an item";

  const refhost::Widget& host = *service().Find(listBox.GetID());
  ASSERT_EQ(host.items.size(), 3u);
  EXPECT_EQ(host.items[1].text, u"elem:b-base");
  EXPECT_EQ(host.items[1].tag, kWideTag) << "the tag must reach the host whole";
  EXPECT_EQ(Keys(calls().back()), (std::vector<std::string>{"additem", "text", "result", "tag"}))
      << "the method name comes first, then its arguments in their order";
}

TEST_F(MQListBoxTest, ItemTagIsTheOneStoredWithThatIndex) {
  MQListBox listBox;
  listBox.AddItem(u"first", 11);
  listBox.AddItem(u"second", kWideTag);

  EXPECT_EQ(listBox.GetItemTag(1), kWideTag);
  EXPECT_EQ(listBox.GetItemTag(0), 11u);
  EXPECT_EQ(Keys(calls().back()), (std::vector<std::string>{"index", "item.tag"}))
      << "the host must learn the index before it fills in the tag";
}

TEST_F(MQListBoxTest, ItemTagOfAnIndexWithoutItemIsZero) {
  MQListBox listBox;
  listBox.AddItem(u"only", 11);

  EXPECT_EQ(listBox.GetItemTag(1), 0u) << "past the last item";
  EXPECT_EQ(listBox.GetItemTag(-1), 0u) << "no selection";
}

TEST_F(MQListBoxTest, CurrentIndexIsWhatTheHostReports) {
  MQListBox listBox;
  EXPECT_EQ(listBox.GetCurrentIndex(), -1) << "the reference host reports -1 for no selection";

  for (const char16_t* text : {u"a", u"b", u"c"}) listBox.AddItem(text, 0);
  service().FindMutable(listBox.GetID())->currentIndex = 2;

  EXPECT_EQ(listBox.GetCurrentIndex(), 2);
}

}  // namespace
