#include <gtest/gtest.h>

#include "tests/widgets/WidgetTest.h"
#include "widgets/MQDialog.h"
#include "widgets/MQWindow.h"
#include "widgets/WidgetRegistry.h"

namespace {

using MQWindowTest = WidgetTest;

TEST_F(MQWindowTest, WrapsTheMainWindowAndNeverDestroysIt) {
  {
    MQWindow mainWindow;
    EXPECT_EQ(mainWindow.GetID(), refhost::WidgetService::kMainWindowID);
    EXPECT_EQ(WidgetRegistry::Instance().Find(mainWindow.GetID()), &mainWindow);
  }
  ASSERT_EQ(calls().size(), 1u) << "only the lookup, and no Destroy";
  EXPECT_EQ(calls().front().code, WidgetOp::GetSystem);
  EXPECT_EQ(WidgetRegistry::Instance().Find(refhost::WidgetService::kMainWindowID), nullptr)
      << "the wrapper's entry must go with it";
  EXPECT_FALSE(service().Find(refhost::WidgetService::kMainWindowID)->destroyed);
}

TEST_F(MQWindowTest, UnansweredLookupWrapsMinusOne) {
  faults().noMainWindow = true;
  MQWindow mainWindow;
  EXPECT_EQ(mainWindow.GetID(), -1) << "the default of an unanswered lookup";
  EXPECT_EQ(WidgetRegistry::Instance().Find(-1), &mainWindow) << "-1 counts as bound";

  MQDialog dialog(mainWindow);

  EXPECT_EQ(CallsWithCode(WidgetOp::AddChildWindow).at(0).target, -1)
      << "the dialog is attached to whatever the wrapper holds";
}

}  // namespace
