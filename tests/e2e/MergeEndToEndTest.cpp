#include <gtest/gtest.h>

#include <vector>

#include "tests/support/DialogHostTest.h"
#include "tests/support/PluginModule.h"
#include "tests/support/ReferenceBlend.h"

namespace {

using refhost::DialogAction;

// The built module, loaded and bound as a host does it, driven through its
// exports with the reference host's documents and a scripted user.
class MergeEndToEndTest : public DialogHostTest {
 protected:
  void SetUp() override {
    DialogHostTest::SetUp();
    ASSERT_EQ(plugin.MQCheckVersion()(0x4400), 0x440u) << "the handshake comes first";
    ASSERT_EQ(plugin.MQInit()(ModuleFile("refhost").c_str()), 1)
        << "the module must bind every host function of the reference host";
  }

  refhost::Object& AddCurrentBase(const std::vector<MQPoint>& points) {
    refhost::Object& base = AddUsedMesh(document(), "body", points);
    document().SetCurrentIndex(base.index());
    return base;
  }

  int RunMenuCommand(int index = 0) { return plugin.MQModifyObject()(index, document().handle()); }

  PluginModule plugin;
};

TEST_F(MergeEndToEndTest, ConfirmedDialogAddsTheBlendedObject) {
  const MQPoint b{0.5f, 1.25f, -3.0f};
  const MQPoint t1{0.7f, 1.25f, -3.0f};
  const MQPoint t2{0.5f, 1.25f, 2.1f};
  refhost::Object& base = AddCurrentBase({b, {8, 8, 8}});
  base.AddVertex({1, 1, 1});
  base.SetIntValue(kObjectValueCopied, 7);
  base.SetVisible(0);
  AddUsedMesh(document(), "elem:up-body", {t1, {8, 8, 8}, {5, 5, 5}});
  AddUsedMesh(document(), "elem:out-body", {t2, {8, 8, 9}, {6, 6, 6}});
  Answer({DialogAction::SelectItem(1, 0), DialogAction::SelectItem(2, 1),
          DialogAction::SetPosition(1, 10), DialogAction::SetPosition(2, -200),
          DialogAction::Press(u"OK")});

  ASSERT_EQ(RunMenuCommand(), 1) << "a confirmed merge reports the new object";
  ASSERT_EQ(document().ObjectCount(), 4);
  const refhost::Object& added = *document().ObjectAt(1);
  EXPECT_EQ(added.name(), "elem:new-body");
  const float w1 = static_cast<float>(0.1);
  const float w2 = -2.0f;
  const MQPoint expected0 = ReferenceBlend(ReferenceBlend(b, b, t1, w1), b, t2, w2);
  EXPECT_EQ(BitsOf(added.Vertex(0)), BitsOf(expected0)) << "both offsets, in float32";
  EXPECT_EQ(BitsOf(added.Vertex(1)), BitsOf(MQPoint{8, 8, ReferenceOffset(8, 8, 9, w2)}));
  EXPECT_EQ(BitsOf(added.Vertex(2)), BitsOf(MQPoint{1, 1, 1})) << "an unused vertex stays put";
  EXPECT_EQ(added.IntValue(kObjectValueCopied), 7);
  EXPECT_EQ(added.visible(), 0u);
}

TEST_F(MergeEndToEndTest, CancelledDialogLeavesTheDocumentAlone) {
  AddCurrentBase({{0, 0, 0}});
  AddUsedMesh(document(), "elem:up-body", {{0, 1, 0}});
  Answer({DialogAction::SetText(2, u"elem:typed-body"), DialogAction::Press(u"Cancel")});

  EXPECT_EQ(RunMenuCommand(), 0);
  EXPECT_EQ(document().ObjectCount(), 2);
  EXPECT_EQ(widgets().executions(), 1);
}

TEST_F(MergeEndToEndTest, NoCurrentObjectOpensNoDialog) {
  AddUsedMesh(document(), "body", {{0, 0, 0}});
  document().SetCurrentIndex(-1);
  Answer({});

  EXPECT_EQ(RunMenuCommand(), 0);
  EXPECT_EQ(widgets().executions(), 0);
}

TEST_F(MergeEndToEndTest, OtherMenuIndexTouchesNothing) {
  AddCurrentBase({{0, 0, 0}});

  EXPECT_EQ(RunMenuCommand(1), 0);
  EXPECT_TRUE(widgets().calls().empty()) << "only menu index 0 runs the command";
}

TEST_F(MergeEndToEndTest, SecondRunOffersTheFirstResult) {
  AddCurrentBase({{0, 0, 0}});
  AddUsedMesh(document(), "elem:up-body", {{0, 1, 0}});
  Answer(
      {DialogAction::SelectItem(1, 0), DialogAction::SelectItem(2, 0), DialogAction::Press(u"OK")});
  ASSERT_EQ(RunMenuCommand(), 1) << "the first result is the base moved up twice, to (0, 2, 0)";

  Answer({DialogAction::SelectItem(1, u"elem:new-body"), DialogAction::SetPosition(1, 200),
          DialogAction::SelectItem(2, u"elem:new-body"), DialogAction::SetPosition(2, 0),
          DialogAction::Press(u"OK")});
  ASSERT_EQ(RunMenuCommand(), 1);
  ASSERT_EQ(document().ObjectCount(), 4);
  const refhost::Object& second = *document().ObjectAt(1);
  EXPECT_EQ(second.name(), "elem:new1-body") << "the proposal skips the first result's name";
  EXPECT_EQ(BitsOf(second.Vertex(0)), BitsOf(MQPoint{0, 4, 0}))
      << "twice the first result's offset, and none of it a second time with weight 0";
}

}  // namespace
