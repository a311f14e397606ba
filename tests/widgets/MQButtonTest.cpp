#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/widgets/WidgetTest.h"
#include "widgets/MQButton.h"
#include "widgets/ModalResult.h"

namespace {

struct ButtonFlag {
  const char* key;
  std::function<void(MQButton&, bool)> set;
};

const ButtonFlag kFlags[] = {
    {"default", [](MQButton& button, bool flag) { button.SetDefault(flag); }},
    {"cancel", [](MQButton& button, bool flag) { button.SetCancel(flag); }},
};

class MQButtonFlagTest : public WidgetTest, public ::testing::WithParamInterface<ButtonFlag> {};

TEST_P(MQButtonFlagTest, FlagGoesAsOneByte) {
  MQButton button;
  const char* key = GetParam().key;

  GetParam().set(button, true);
  EXPECT_EQ(calls().back().Value(key), "1") << "true must be the byte 1";
  EXPECT_TRUE(service().Find(button.GetID())->Flag(key));

  GetParam().set(button, false);
  EXPECT_EQ(calls().back().Value(key), "0") << "false must be the byte 0";
  EXPECT_FALSE(service().Find(button.GetID())->Flag(key));
}

INSTANTIATE_TEST_SUITE_P(Flags, MQButtonFlagTest, ::testing::ValuesIn(kFlags),
                         [](const auto& info) { return std::string(info.param.key); });

using MQButtonTest = WidgetTest;

TEST_F(MQButtonTest, CaptionAndModalResultReachTheHost) {
  MQButton button;
  button.SetText(u"Cancel");
  button.SetModalResult(ModalResult::Cancel);

  const refhost::Widget& host = *service().Find(button.GetID());
  EXPECT_EQ(host.Text(), u"Cancel");
  ASSERT_NE(host.Property<int>("modalresult"), nullptr) << "the modal result is an int";
  EXPECT_EQ(*host.Property<int>("modalresult"), 2);
}

}  // namespace
