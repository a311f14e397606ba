#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "merge/TextConversion.h"

namespace {

// Each case chooses its own LC_CTYPE; the process's is restored afterwards.
class TextConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = std::setlocale(LC_CTYPE, nullptr); }
  void TearDown() override { std::setlocale(LC_CTYPE, saved_.c_str()); }

  static bool UseUtf8() {
    return std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr ||
           std::setlocale(LC_CTYPE, "en_US.UTF-8") != nullptr;
  }

 private:
  std::string saved_;
};

TEST_F(TextConversionTest, EmptyTextsConvertToEmptyTexts) {
  EXPECT_EQ(ToWideString(""), u"") << "an empty name must not become \"invalid\"";
  EXPECT_EQ(ToMultiByteString(u""), "") << "an emptied name box must name the object with \"\"";
}

TEST_F(TextConversionTest, AsciiConvertsInTheClassicLocale) {
  std::setlocale(LC_CTYPE, "C");
  EXPECT_EQ(ToWideString("elem:smile-body"), u"elem:smile-body");
  EXPECT_EQ(ToMultiByteString(u"elem:smile-body"), "elem:smile-body");
}

TEST_F(TextConversionTest, CharactersOutsideTheBasicPlaneRoundTripInUtf8) {
  if (!UseUtf8()) GTEST_SKIP() << "no UTF-8 locale in this C runtime";
  const std::string name = "elem:\xF0\x9F\x98\x80-body";  // U+1F600
  const std::u16string wide = u"elem:\U0001F600-body";

  EXPECT_EQ(ToWideString(name), wide) << "a supplementary character is one surrogate pair";
  EXPECT_EQ(ToMultiByteString(wide), name);
}

TEST_F(TextConversionTest, MultiByteCharactersLongerThanTwoBytesFitTheBuffer) {
  if (!UseUtf8()) GTEST_SKIP() << "no UTF-8 locale in this C runtime";
  // Three bytes per character, and four for the last: more than two bytes
  // for each wide unit plus the terminator.
  const std::u16string wide = u"\u4E00\u4E8C\u4E09\U00020000";
  const std::string name = "\xE4\xB8\x80\xE4\xBA\x8C\xE4\xB8\x89\xF0\xA0\x80\x80";

  EXPECT_EQ(ToMultiByteString(wide), name) << "a longer encoding must not read as \"invalid\"";
  EXPECT_EQ(ToWideString(name), wide);
}

TEST_F(TextConversionTest, MalformedTextsGiveInvalid) {
  if (!UseUtf8()) GTEST_SKIP() << "no UTF-8 locale in this C runtime";
  EXPECT_EQ(ToWideString("body\xFF"), u"invalid") << "a byte that starts no character";
  EXPECT_EQ(ToWideString("body\xE4\xB8"), u"invalid") << "a character cut at the end";
  EXPECT_EQ(ToMultiByteString(std::u16string(1, u'\xD800')), "invalid") << "a lone surrogate";
}

TEST_F(TextConversionTest, CharacterOutsideTheCodePageGivesInvalid) {
  if (std::setlocale(LC_CTYPE, ".1252") == nullptr) GTEST_SKIP() << "no code page 1252 here";
  EXPECT_EQ(ToMultiByteString(u"body\u4E00"), "invalid") << "code page 1252 holds no CJK character";
  EXPECT_EQ(ToMultiByteString(u"caf\u00E9"), "caf\xE9") << "but it holds e with acute";
}

}  // namespace
