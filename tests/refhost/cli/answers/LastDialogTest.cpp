#include <gtest/gtest.h>

#include <memory>

#include "refhost/cli/answers/LastDialog.h"
#include "refhost/widgetservice/ScriptedDriver.h"
#include "refhost/widgetservice/WidgetService.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/PluginModule.h"

namespace {

using refhost::DialogAction;

// The plug-in's own merge dialog, answered by a script, then read back.
class CliLastDialogTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    ASSERT_EQ(plugin.MQInit()(ModuleFile("refhost").c_str()), 1);
    // Two targets of one name: only the item's tag tells them apart.
    for (const char* name : {"body", "elem:smile-body", "elem:smile-body", "elem:blink-body"}) {
      refhost::Object& object = document.AddObject(name);
      for (float x : {0.0f, 1.0f, 0.0f}) object.AddVertex({x, 0, 0});
      object.AddElement(refhost::ElementKind::Face, CornersOn({0, 1, 2}));
      objects.push_back(&object);
    }
    document.SetCurrentIndex(0);
  }
  void TearDown() override {
    refhost::WidgetService::Instance().SetDriver(nullptr);
    HostTest::TearDown();
  }

  int Merge(int first, double percent1, int second, double percent2) {
    refhost::WidgetService::Instance().SetDriver(
        std::make_shared<refhost::ScriptedDriver>(std::vector<DialogAction>{
            DialogAction::SelectItem(1, first), DialogAction::SetPosition(1, percent1),
            DialogAction::SelectItem(2, second), DialogAction::SetPosition(2, percent2),
            DialogAction::Press(u"OK")}));
    return plugin.MQModifyObject()(0, document.handle());
  }

  PluginModule plugin;
  refhost::Document& document = referenceHost().NewDocument();
  std::vector<refhost::Object*> objects;  // as added: base, smile, smile, blink
};

TEST_F(CliLastDialogTest, MixNamesTargetsByTagAndWeighsThemAsTheBlend) {
  ASSERT_EQ(Merge(1, 35, 2, -150), 1);
  const auto mix = refhost::cli::ChosenMix(document, *objects[0]);
  ASSERT_TRUE(mix.has_value());
  EXPECT_EQ(mix->base, objects[0]->uniqueID());
  ASSERT_EQ(mix->terms.size(), 2u);
  EXPECT_EQ(mix->terms[0].target, objects[2]->uniqueID())
      << "the second of two objects of one name";
  EXPECT_EQ(mix->terms[1].target, objects[3]->uniqueID());
  EXPECT_EQ(BitsOf(mix->terms[0].weight), BitsOf(static_cast<float>(35 / 100.0)));
  EXPECT_EQ(BitsOf(mix->terms[1].weight), BitsOf(static_cast<float>(-150 / 100.0)));
  EXPECT_EQ(refhost::cli::EditHolding("elem:new-body"), 2) << "the name box, after the base's";
  EXPECT_EQ(refhost::cli::EditHolding("body"), 0) << "the read-only base box is no answer";
}

TEST_F(CliLastDialogTest, OnlyTheLastDialogCounts) {
  ASSERT_EQ(Merge(0, 10, 0, 10), 1);
  // The first merge's object, a target too, now leads both lists.
  ASSERT_EQ(Merge(3, 70, 2, 30), 1);
  const std::vector<refhost::cli::ChosenTarget> chosen = refhost::cli::ChosenTargets(document);
  ASSERT_EQ(chosen.size(), 2u);
  EXPECT_EQ(chosen[0].object, objects[3]);
  EXPECT_EQ(chosen[0].percent, 70);
  EXPECT_EQ(chosen[1].object, objects[2]);
  EXPECT_EQ(chosen[1].percent, 30);
}

}  // namespace
