#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "refhost/cli/answers/TerminalDriver.h"
#include "refhost/widgetservice/WidgetService.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;

// The plug-in's own merge dialog, answered by typing into the terminal driver.
class CliTerminalDriverTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    ASSERT_EQ(plugin.MQInit()(ModuleFile("refhost").c_str()), 1);
    for (const char* name : {"body", "elem:smile-body", "elem:blink-body"}) {
      refhost::Object& object = document.AddObject(name);
      for (float x : {0.0f, 1.0f, 0.0f}) object.AddVertex({x, 0, 0});
      object.AddElement(refhost::ElementKind::Face, CornersOn({0, 1, 2}));
    }
    document.SetCurrentIndex(0);
  }
  void TearDown() override {
    refhost::WidgetService::Instance().SetDriver(nullptr);
    HostTest::TearDown();
  }

  // Runs the merge command with `typed` as the person's input.
  int Type(const std::string& typed) {
    input.str(typed);
    refhost::WidgetService::Instance().SetDriver(
        std::make_shared<refhost::cli::TerminalDriver>(input, output));
    return plugin.MQModifyObject()(0, document.handle());
  }

  PluginModule plugin;
  refhost::Document& document = referenceHost().NewDocument();
  std::istringstream input;
  std::ostringstream output;
};

TEST_F(CliTerminalDriverTest, DrawsTheDialogAsText) {
  Type("");
  EXPECT_THAT(output.str(), HasSubstr("+-- Blendforge\n| base:\n| edit 1: body (read-only)\n"));
  EXPECT_THAT(output.str(),
              HasSubstr("| list box 1:\n|   1) elem:smile-body\n|   2) elem:blink-body\n"
                        "| spin box 1: 100\n"))
      << "each list shows its items numbered from 1, each spin box its position";
  EXPECT_THAT(output.str(), HasSubstr("| edit 2: elem:new-body\n| buttons: [Cancel] [OK]\n"));
}

TEST_F(CliTerminalDriverTest, TypedAnswersReachThePlugIn) {
  // In dialog order: list 1, spin 1, list 2, spin 2, the name, the button.
  ASSERT_EQ(Type("2\n50\n1\n\nelem:mix-body\n\n"), 1) << "Enter at the button prompt is OK";
  ASSERT_EQ(document.ObjectCount(), 4);
  EXPECT_EQ(document.ObjectAt(1)->name(), "elem:mix-body") << "the typed name was not used";
  EXPECT_THAT(output.str(), HasSubstr("spin box 1, -200 to 200 [100]: "))
      << "the prompt shows the range and the default";
  EXPECT_THAT(output.str(), HasSubstr("press 1) Cancel 2) OK [2]: "))
      << "the default button is offered";
}

TEST_F(CliTerminalDriverTest, OutOfRangeAnswersAreAskedAgain) {
  ASSERT_EQ(Type("7\n1\n300\n50\n\n\n\n\n"), 1);
  EXPECT_THAT(output.str(), HasSubstr("please type a number from 1 to 2"));
  EXPECT_THAT(output.str(), HasSubstr("please type a number from -200 to 200"));
}

TEST_F(CliTerminalDriverTest, CancelButtonAddsNothing) {
  EXPECT_EQ(Type("\n\n\n\n\n1\n"), 0);
  EXPECT_EQ(document.ObjectCount(), 3) << "a cancelled dialog added an object";
}

TEST_F(CliTerminalDriverTest, EndOfInputClosesWithoutResult) {
  EXPECT_EQ(Type("1\n"), 0);
  EXPECT_THAT(output.str(), HasSubstr("(input ended: the dialog is closed without a result)"));
  EXPECT_EQ(document.ObjectCount(), 3);
}

}  // namespace
