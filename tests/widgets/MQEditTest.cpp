#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/widgets/WidgetCallSpy.h"
#include "tests/widgets/WidgetTest.h"
#include "widgets/MQEdit.h"

namespace {

class MQEditTest : public WidgetTest {
 protected:
  // Sets the host's content directly, as a user typing would.
  void HostContent(const std::u16string& text) {
    service().FindMutable(edit.GetID())->properties["text"] = text;
    service().ClearRecord();
  }

  MQEdit edit;
};

TEST_F(MQEditTest, EmptyEditReadsWithOneCall) {
  HostContent(u"");

  EXPECT_EQ(edit.GetText(), u"");
  ASSERT_EQ(calls().size(), 1u) << "a zero length must end the read without asking for the text";
  EXPECT_EQ(Keys(calls().front()), std::vector<std::string>{"text.length"});
}

TEST_F(MQEditTest, TextIsReadByLengthThenIntoABuffer) {
  const std::u16string text = u"elem:smile-\u00e4\U0001F600";
  edit.SetText(text);
  service().ClearRecord();

  EXPECT_EQ(edit.GetText(), text) << "every UTF-16 unit, surrogates included, must come back";
  ASSERT_EQ(calls().size(), 2u);
  EXPECT_EQ(Keys(calls()[0]), std::vector<std::string>{"text.length"});
  EXPECT_EQ(Keys(calls()[1]), std::vector<std::string>{"text"});
}

TEST_F(MQEditTest, TextEndsAtTheFirstNulTheHostWrites) {
  HostContent(std::u16string(u"ab\0cd", 5));

  EXPECT_EQ(edit.GetText(), u"ab") << "units after the host's NUL are not content";
}

TEST_F(MQEditTest, UnterminatedTextKeepsItsContent) {
  HostContent(u"abc");
  faults().unterminatedText = true;

  EXPECT_EQ(edit.GetText(), u"abc") << "a missing terminator must not lose or add units";
}

TEST_F(MQEditTest, TextFillingTheWholeBufferIsCutAtTheReportedLength) {
  HostContent(u"abc");
  WidgetCallSpy spy([](int, WidgetOp code, void** values) {
    if (code != WidgetOp::GetValue ||
        std::strcmp(static_cast<const char*>(values[0]), "text") != 0) {
      return;
    }
    // Three units and the terminator's place, all written without a NUL.
    std::u16string(4, u'x').copy(static_cast<char16_t*>(values[1]), 4);
  });

  EXPECT_EQ(edit.GetText(), u"xxx") << "the read must stop at the length the host reported";
}

TEST_F(MQEditTest, NegativeLengthReadsAsEmptyWithOneCall) {
  HostContent(u"abc");
  faults().negativeTextLength = true;

  EXPECT_EQ(edit.GetText(), u"");
  EXPECT_EQ(calls().size(), 1u) << "a negative length must be taken as 0, with no second call";
}

TEST_F(MQEditTest, ReadOnlyGoesAsOneByte) {
  edit.SetReadOnly(true);
  EXPECT_EQ(calls().back().Value("readonly"), "1") << "true must be the byte 1";
  edit.SetReadOnly(false);
  EXPECT_EQ(calls().back().Value("readonly"), "0") << "false must be the byte 0";
}

}  // namespace
