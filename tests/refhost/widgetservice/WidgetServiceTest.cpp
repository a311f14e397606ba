#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "refhost/widgetservice/WidgetService.h"
#include "tests/refhost/widgetservice/WidgetServiceFixture.h"

namespace {

using refhost::WidgetService;

class WidgetServiceTest : public WidgetServiceFixture {
 protected:
  std::int32_t TextLength(int edit) {
    std::int32_t length = 0;
    Send(edit, WidgetOp::GetValue, {{"text.length", &length}});
    return length;
  }
  // Reads "text" into a buffer of `units` units that holds 'x' beforehand.
  std::u16string ReadText(int edit, std::size_t units) {
    std::u16string buffer(units, u'x');
    Send(edit, WidgetOp::GetValue, {{"text", buffer.data()}});
    return buffer;
  }
  int MainWindow() {
    std::int32_t id = -1;
    Send(0, WidgetOp::GetSystem, {{"system", "main_window"}, {"result", &id}});
    return id;
  }
};

TEST_F(WidgetServiceTest, CreateIssuesFreshIdentifiersAndDestroyOnlyMarks) {
  const int first = Create("frame");
  const int second = Create("button");
  ASSERT_NE(first, 0) << "Create must answer an identifier";
  EXPECT_NE(first, WidgetService::kMainWindowID)
      << "a created widget must not pose as the main window";
  EXPECT_NE(first, second) << "each widget needs its own identifier";

  Send(first, WidgetOp::Destroy, {});
  const int third = Create("frame");

  ASSERT_NE(service.Find(first), nullptr) << "a destroyed widget must stay queryable";
  EXPECT_TRUE(service.Find(first)->destroyed);
  EXPECT_EQ(service.Find(first)->kind, "frame");
  EXPECT_NE(third, first) << "identifiers must never be reused";
  EXPECT_EQ(service.CreatedOfKind("frame").size(), 2u);
  EXPECT_TRUE(service.breaches().empty()) << Breaches();
}

TEST_F(WidgetServiceTest, MainWindowIsTheSystemWidget) {
  const int mainWindow = MainWindow();
  ASSERT_NE(service.Find(mainWindow), nullptr) << "GetSystem must answer an existing widget";
  EXPECT_EQ(service.Find(mainWindow)->kind, "main_window");

  const int dialog = Create("dialog");
  EXPECT_EQ(Attach(mainWindow, dialog, WidgetOp::AddChildWindow), 0);
  EXPECT_EQ(service.Find(mainWindow)->childWindows, std::vector<int>{dialog});
  EXPECT_EQ(service.Find(dialog)->parent, mainWindow);
}

TEST_F(WidgetServiceTest, AddChildKeepsAttachOrderAndMovesAReattachedWidget) {
  const int left = Create("frame");
  const int right = Create("frame");
  const int first = Create("button");
  const int second = Create("label");
  Attach(left, first);
  Attach(left, second);
  EXPECT_EQ(service.Find(left)->children, (std::vector<int>{first, second}));

  Attach(right, first);

  EXPECT_EQ(service.Find(left)->children, std::vector<int>{second})
      << "a widget has one parent: attaching it elsewhere takes it out of the first";
  EXPECT_EQ(service.Find(right)->children, std::vector<int>{first});
  EXPECT_EQ(service.Find(first)->parent, right);
}

TEST_F(WidgetServiceTest, AddChildRefusesToPlaceAWidgetInsideItself) {
  const int outer = Create("frame");
  const int inner = Create("frame");
  Attach(outer, inner);

  EXPECT_EQ(Attach(inner, outer), -1) << "a refused attachment answers nothing";
  EXPECT_EQ(service.Find(outer)->parent, 0) << "a cycle would hang every walk of the tree";
  ASSERT_EQ(service.breaches().size(), 1u) << Breaches();
}

TEST_F(WidgetServiceTest, AddItemAnswersTheIndexAndTheFirstItemIsCurrent) {
  const int listBox = Create("listbox");
  EXPECT_EQ(AddItem(listBox, u"first", 40), 0);
  EXPECT_EQ(AddItem(listBox, u"second", 41), 1) << "items are appended";

  std::int32_t current = 0;
  std::int32_t index = 1;
  std::uint64_t tag = 0;
  Send(listBox, WidgetOp::GetValue,
       {{"currentindex", &current}, {"index", &index}, {"item.tag", &tag}});
  EXPECT_EQ(current, 0) << "the list box selects its first item";
  EXPECT_EQ(tag, 41u) << "the tag of the indexed item comes back unchanged";

  std::int32_t unknown = 5;
  std::uint64_t untouched = 0;
  Send(listBox, WidgetOp::GetValue, {{"index", &unknown}, {"item.tag", &untouched}});
  EXPECT_EQ(untouched, 0u) << "an index without an item must leave the tag at its default";
}

TEST_F(WidgetServiceTest, TextGoesIntoTheCallersBufferWithItsTerminator) {
  const int edit = Create("edit");
  Set(edit, "text", u"abc");
  ASSERT_EQ(TextLength(edit), 3);
  EXPECT_EQ(ReadText(edit, 4), std::u16string(u"abc\0", 4));
}

TEST_F(WidgetServiceTest, TextNeverOverrunsTheLengthLastReported) {
  const int edit = Create("edit");
  Set(edit, "text", u"ab");
  ASSERT_EQ(TextLength(edit), 2);
  Set(edit, "text", u"abcdef");
  EXPECT_EQ(ReadText(edit, 3), std::u16string(u"ab\0", 3))
      << "the buffer was sized from the earlier length";
}

TEST_F(WidgetServiceTest, ContentMayHoldANulBeforeItsLength) {
  const int edit = Create("edit");
  service.FindMutable(edit)->properties["text"] = std::u16string(u"ab\0cd", 5);
  ASSERT_EQ(TextLength(edit), 5) << "the length counts every unit, the NUL too";
  EXPECT_EQ(ReadText(edit, 6), std::u16string(u"ab\0cd\0", 6));
}

TEST_F(WidgetServiceTest, UnterminatedTextLeavesTheLastUnitAlone) {
  const int edit = Create("edit");
  Set(edit, "text", u"abc");
  service.faults().unterminatedText = true;
  ASSERT_EQ(TextLength(edit), 3);
  EXPECT_EQ(ReadText(edit, 4), u"abcx") << "no terminator may be written in this mode";
}

TEST_F(WidgetServiceTest, NegativeTextLengthIsReported) {
  const int edit = Create("edit");
  Set(edit, "text", u"abc");
  service.faults().negativeTextLength = true;
  EXPECT_EQ(TextLength(edit), -1);
}

TEST_F(WidgetServiceTest, CreateFailsLeavesTheIdentifierAtZero) {
  service.faults().createFails = true;
  EXPECT_EQ(Create("dialog"), 0);
  EXPECT_TRUE(service.Created().empty()) << "a failed Create must make no widget";
}

TEST_F(WidgetServiceTest, NoMainWindowLeavesGetSystemUnanswered) {
  service.faults().noMainWindow = true;
  EXPECT_EQ(MainWindow(), -1);
}

// Each out-value is given a state in which the host would answer something
// other than the default, then read with the host answering nothing.
TEST_F(WidgetServiceTest, HostThatWritesNoOutValuesLeavesEveryDefault) {
  const int dialog = MakeDialog();
  const int listBox = Create("listbox");
  AddItem(listBox, u"a", 40);
  AddItem(listBox, u"b", 41);
  service.FindMutable(listBox)->currentIndex = 1;
  const int edit = Create("edit");
  Set(edit, "text", u"abc");
  const int spinBox = Create("doublespinbox");
  const double position = 100.0;
  Set(spinBox, "position", &position);
  const int frame = Create("frame");
  service.faults().writeNoOutValues = true;

  std::int32_t current = 0;
  std::int32_t index = 1;
  std::uint64_t tag = 0;
  double read = 0.0;
  Send(listBox, WidgetOp::GetValue,
       {{"currentindex", &current}, {"index", &index}, {"item.tag", &tag}});
  Send(spinBox, WidgetOp::GetValue, {{"position", &read}});
  std::uint64_t readBits = 0;
  std::memcpy(&readBits, &read, sizeof read);

  EXPECT_EQ(Create("frame"), 0) << "\"id\"";
  EXPECT_EQ(MainWindow(), -1) << "\"result\" of GetSystem";
  EXPECT_EQ(Attach(frame, edit), -1) << "\"result\" of AddChild";
  EXPECT_EQ(AddItem(listBox, u"c", 42), -1) << "\"result\" of additem";
  EXPECT_EQ(Execute(dialog), 0) << "\"result\" of Execute";
  EXPECT_EQ(TextLength(edit), 0) << "\"text.length\"";
  EXPECT_EQ(current, 0) << "\"currentindex\"";
  EXPECT_EQ(tag, 0u) << "\"item.tag\"";
  EXPECT_EQ(readBits, 0u) << "\"position\" must stay +0.0";
}

TEST_F(WidgetServiceTest, UnknownTargetsAreRecordedAndIgnored) {
  std::int32_t result = -1;
  std::int32_t length = 0;
  std::int32_t child = 0;
  std::uint64_t tag = 0;
  for (int target : {0, -1, 4242}) {
    Send(target, WidgetOp::GetValue, {{"text.length", &length}});
    Send(target, WidgetOp::SetValue, {{"title", u"x"}});
    Send(target, WidgetOp::AddChild, {{"child", &child}, {"result", &result}});
    Send(target, WidgetOp::Execute, {{"type", "modal"}, {"result", &result}});
    Send(target, WidgetOp::CallMethod,
         {{"additem", nullptr}, {"text", u"a"}, {"result", &result}, {"tag", &tag}});
  }
  EXPECT_EQ(service.calls().size(), 15u) << "every call is recorded, whatever its target";
  EXPECT_EQ(length, 0);
  EXPECT_EQ(result, -1) << "no widget, no answer";
  EXPECT_TRUE(service.Created().empty());
}

}  // namespace
