#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "refhost/widgetservice/ScriptedDriver.h"
#include "tests/widgets/WidgetTest.h"
#include "widgets/MQButton.h"
#include "widgets/MQDialog.h"
#include "widgets/MQWindow.h"
#include "widgets/ModalResult.h"

namespace {

using MQDialogTest = WidgetTest;

TEST_F(MQDialogTest, DialogIsCreatedThenAttachedToItsParent) {
  MQWindow mainWindow;
  service().ClearRecord();

  MQDialog dialog(mainWindow);

  ASSERT_EQ(calls().size(), 2u);
  EXPECT_EQ(calls()[0].Value("type"), "\"dialog\"");
  EXPECT_EQ(calls()[1].code, WidgetOp::AddChildWindow);
  EXPECT_EQ(calls()[1].target, mainWindow.GetID()) << "sent to the parent window";
  EXPECT_EQ(calls()[1].Value("child"), std::to_string(dialog.GetID()));
  EXPECT_EQ(service().Find(mainWindow.GetID())->childWindows, std::vector<int>{dialog.GetID()});
}

TEST_F(MQDialogTest, UnboundDialogIsStillAttachedAsZero) {
  MQWindow mainWindow;
  faults().createFails = true;
  {
    MQDialog dialog(mainWindow);
    EXPECT_EQ(dialog.GetID(), 0);
    ASSERT_EQ(CallsWithCode(WidgetOp::AddChildWindow).size(), 1u)
        << "the parent is told even when nothing was created";
    EXPECT_EQ(CallsWithCode(WidgetOp::AddChildWindow)[0].Value("child"), "0");
  }
  EXPECT_TRUE(DestroyedTargets().empty()) << "an unbound dialog has nothing to destroy";
}

TEST_F(MQDialogTest, TitleReachesTheHost) {
  MQWindow mainWindow;
  MQDialog dialog(mainWindow);

  dialog.SetTitle(u"Blendforge");

  const std::u16string* title = service().Find(dialog.GetID())->Property<std::u16string>("title");
  ASSERT_NE(title, nullptr) << "the title is a wide string";
  EXPECT_EQ(*title, u"Blendforge");
}

struct Closing {
  const char* name;
  std::vector<refhost::DialogAction> actions;
  int expected;
};

class MQDialogExecuteTest : public WidgetTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(MQDialogExecuteTest, ExecuteModalAnswersWithTheClosingButton) {
  MQWindow mainWindow;
  MQDialog dialog(mainWindow);
  MQButton* cancel = dialog.CreateButton(&dialog, u"Cancel");
  cancel->SetModalResult(ModalResult::Cancel);
  MQButton* ok = dialog.CreateButton(&dialog, u"OK");
  ok->SetModalResult(ModalResult::OK);
  ok->SetDefault(true);
  service().SetDriver(std::make_shared<refhost::ScriptedDriver>(GetParam().actions));

  EXPECT_EQ(dialog.ExecuteModal(), GetParam().expected);
  EXPECT_EQ(service().executions(), 1) << "one call runs the dialog once";
  EXPECT_EQ(CallsWithCode(WidgetOp::Execute).at(0).Value("type"), "\"modal\"");
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MQDialogExecuteTest,
    ::testing::Values(Closing{"OK", {refhost::DialogAction::Press(u"OK")}, ModalResult::OK},
                      Closing{
                          "Cancel", {refhost::DialogAction::Press(u"Cancel")}, ModalResult::Cancel},
                      Closing{"ClosedWithoutButton", {refhost::DialogAction::Close()}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
