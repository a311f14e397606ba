#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "merge/TextConversion.h"

namespace {

struct BeyondUnicode {
  const char* name;
  const char* bytes;
};

// Byte sequences that have the shape of UTF-8 but stand for no Unicode
// character. The C runtime may decode some of them to numbers that UTF-16
// cannot hold; the text fuzzer found the first one.
class TextConversionBeyondUnicodeTest : public ::testing::TestWithParam<BeyondUnicode> {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_CTYPE, nullptr);
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) GTEST_SKIP() << "no C.UTF-8 locale";
  }
  void TearDown() override { std::setlocale(LC_CTYPE, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_P(TextConversionBeyondUnicodeTest, WidensToInvalid) {
  EXPECT_EQ(ToWideString(GetParam().bytes), u"invalid")
      << "a name that is no Unicode text must show as \"invalid\", not as broken UTF-16";
}

INSTANTIATE_TEST_SUITE_P(Cases, TextConversionBeyondUnicodeTest,
                         ::testing::Values(BeyondUnicode{"LeadByteF6",
                                                         "elem:\xF6\x9F\x98\x80-body"},
                                           BeyondUnicode{"FirstAfterTheLast", "\xF4\x90\x80\x80"},
                                           BeyondUnicode{"FiveBytes", "\xF8\x88\x80\x80\x80"},
                                           BeyondUnicode{"EncodedSurrogate", "\xED\xA0\x80"}),
                         [](const ::testing::TestParamInfo<BeyondUnicode>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
