#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "merge/Blendforge.h"
#include "tests/support/DialogHostTest.h"
#include "tests/support/ReferenceBlend.h"

namespace {

using refhost::DialogAction;

class MergeCommandTest : public DialogHostTest {
 protected:
  refhost::Object& AddCurrentBase(const std::vector<MQPoint>& points) {
    refhost::Object& base = AddUsedMesh(document(), "body", points);
    document().SetCurrentIndex(base.index());
    return base;
  }

  // The menu command as the host starts it.
  int RunCommand() { return plugin.ModifyObject(0, document().handle()); }

  // Settings from an earlier confirmed run, which a stopped run must keep.
  void PresetSettings(const refhost::Object& earlierTarget) {
    plugin.document = cmq::CMQDocument(document().handle());
    plugin.target1 = HandleOf(document(), earlierTarget);
    plugin.target2 = cmq::CMQObject();
    plugin.weight1 = 0.25;
    plugin.weight2 = -0.75;
    plugin.newName = u"earlier";
  }

  void ExpectPresetSettings(const refhost::Object& earlierTarget) const {
    EXPECT_EQ(plugin.target1.object(), earlierTarget.handle()) << "target1 was overwritten";
    EXPECT_EQ(plugin.target2.object(), nullptr) << "target2 was overwritten";
    EXPECT_EQ(plugin.weight1, 0.25) << "weight1 was overwritten";
    EXPECT_EQ(plugin.weight2, -0.75) << "weight2 was overwritten";
    EXPECT_EQ(plugin.newName, u"earlier") << "newName was overwritten";
  }

  Blendforge plugin;
};

TEST_F(MergeCommandTest, NoCurrentObjectStopsBeforeTheDialog) {
  AddUsedMesh(document(), "body", {{0, 0, 0}});
  document().SetCurrentIndex(-1);

  EXPECT_EQ(RunCommand(), 0);
  EXPECT_EQ(widgets().executions(), 0) << "no dialog may open without a base";
  EXPECT_TRUE(widgets().calls().empty()) << "no widget may be made without a base";
  EXPECT_EQ(document().ObjectCount(), 1);
}

TEST_F(MergeCommandTest, CurrentObjectNoLongerHeldStopsBeforeTheDialog) {
  refhost::Object& base = AddCurrentBase({{0, 0, 0}});
  document().Remove(base);

  EXPECT_EQ(RunCommand(), 0);
  EXPECT_EQ(widgets().executions(), 0);
  EXPECT_FALSE(plugin.base.IsValid()) << "the base is replaced at every start";
}

TEST_F(MergeCommandTest, CancelKeepsAllFiveSettingsAfterEditing) {
  AddCurrentBase({{0, 0, 0}});
  refhost::Object& target = AddUsedMesh(document(), "elem:t-body", {{1, 0, 0}});
  PresetSettings(target);
  Answer({DialogAction::SetText(2, u"typed"), DialogAction::SetPosition(1, 50),
          DialogAction::SetPosition(2, 150), DialogAction::SelectItem(2, 0),
          DialogAction::Press(u"Cancel")});

  EXPECT_EQ(RunCommand(), 0);
  ExpectPresetSettings(target);
  EXPECT_EQ(document().ObjectCount(), 2) << "a cancelled command adds nothing";
}

TEST_F(MergeCommandTest, DialogClosedWithoutResultStops) {
  AddCurrentBase({{0, 0, 0}});
  refhost::Object& target = AddUsedMesh(document(), "elem:t-body", {{1, 0, 0}});
  PresetSettings(target);
  Answer({DialogAction::Close()});

  EXPECT_EQ(RunCommand(), 0) << "only OK confirms";
  ExpectPresetSettings(target);
  EXPECT_EQ(document().ObjectCount(), 2);
}

TEST_F(MergeCommandTest, NeitherTargetValidInsertsAnUnmovedNamedCopy) {
  refhost::Object& base = AddCurrentBase({{1, 2, 3}, {-4, 5, 6}});
  base.SetVisible(0);
  base.SetIntValue(kObjectValueCopied, 0x5A);
  AddUsedMesh(document(), "after", {{0, 0, 0}});
  Answer({DialogAction::Press(u"OK")});
  referenceHost().SetRecording(true);

  ASSERT_EQ(RunCommand(), 1) << "a confirmed dialog always adds the object";
  ASSERT_EQ(document().ObjectCount(), 3);
  const refhost::Object& added = *document().ObjectAt(1);
  EXPECT_EQ(added.name(), "elem:new-body");
  EXPECT_NE(added.uniqueID(), base.uniqueID()) << "a copy, not the base";
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(BitsOf(added.Vertex(i)), BitsOf(base.Vertex(i))) << "vertex " << i << " moved";
  }
  EXPECT_EQ(added.visible(), 0u) << "visibility comes from the base";
  EXPECT_EQ(added.IntValue(kObjectValueCopied), 0x5A) << "value 0x101 comes from the base";
  EXPECT_EQ(CountCalls("MQObj_SetVertex", added.handle()), 0);
}

TEST_F(MergeCommandTest, BaseValuesAreCopiedAfterInsertion) {
  AddCurrentBase({{0, 0, 0}});
  Answer({DialogAction::Press(u"OK")});
  referenceHost().SetRecording(true);

  ASSERT_EQ(RunCommand(), 1);
  std::vector<std::string> order;
  for (const refhost::HostCall& call : referenceHost().calls()) {
    if (call.function == "MQDoc_InsertObject" || call.function == "MQObj_SetIntValue" ||
        call.function == "MQObj_SetVisible" || call.function == "MQObj_SetName") {
      order.push_back(call.function);
    }
  }
  EXPECT_EQ(order, (std::vector<std::string>{"MQObj_SetName", "MQDoc_InsertObject",
                                             "MQObj_SetIntValue", "MQObj_SetVisible"}))
      << "named before insertion, given the base's values after it";
}

TEST_F(MergeCommandTest, ChosenTargetsAndWeightsMoveTheCopy) {
  const MQPoint b{1.5f, -2.0f, 0.25f};
  const MQPoint t2{2.0f, -2.0f, 1.0f};
  const MQPoint t3{1.5f, 3.3f, -0.7f};
  AddCurrentBase({b});
  AddUsedMesh(document(), "elem:a-body", {{9, 9, 9}});
  AddUsedMesh(document(), "elem:b-body", {t2});
  AddUsedMesh(document(), "elem:c-body", {t3});
  Answer({DialogAction::SelectItem(1, 1), DialogAction::SelectItem(2, 2),
          DialogAction::SetPosition(1, -50), DialogAction::SetPosition(2, 150),
          DialogAction::Press(u"OK")});

  ASSERT_EQ(RunCommand(), 1);
  const MQPoint expected = ReferenceBlend(ReferenceBlend(b, b, t2, -0.5f), b, t3, 1.5f);
  const refhost::Object& added = *document().ObjectAt(1);
  EXPECT_EQ(BitsOf(added.Vertex(0)), BitsOf(expected))
      << "-0.5 of the second target and then 1.5 of the third, in float32";
}

TEST_F(MergeCommandTest, EmptiedNameBoxNamesTheObjectEmpty) {
  AddCurrentBase({{0, 0, 0}});
  Answer({DialogAction::SetText(2, u""), DialogAction::Press(u"OK")});

  ASSERT_EQ(RunCommand(), 1);
  EXPECT_EQ(document().ObjectAt(1)->name(), "") << "the name is used as typed";
}

TEST_F(MergeCommandTest, MergedObjectIsATargetOnTheNextRun) {
  AddCurrentBase({{0, 0, 0}});
  AddUsedMesh(document(), "elem:smile-body", {{1, 1, 1}});
  Answer({DialogAction::Press(u"OK")});

  ASSERT_EQ(RunCommand(), 1);
  const refhost::Object& merged = *document().ObjectAt(1);
  ASSERT_EQ(RunCommand(), 1);

  const std::vector<refhost::ListItem>& items = Nth("listbox", 3).items;
  ASSERT_EQ(items.size(), 2u) << "the second run lists the merged object too";
  EXPECT_EQ(items[0].text, u"elem:new-body") << "inserted right after the base";
  EXPECT_EQ(items[0].tag, static_cast<std::uint64_t>(merged.uniqueID()));
  EXPECT_EQ(Nth("edit", 4).Text(), u"elem:new1-body") << "the proposal skips the merged name";
}

TEST_F(MergeCommandTest, NonAsciiNameIsEncodedInTheUserLocale) {
  if (!IsUtf8Locale(UseUserDefaultLocale())) GTEST_SKIP() << "the user's locale is not UTF-8";
  AddCurrentBase({{0, 0, 0}});
  Answer(
      {DialogAction::SetText(2, u"elem:\u00E9t\u00E9\U0001F600-body"), DialogAction::Press(u"OK")});

  ASSERT_EQ(RunCommand(), 1);
  EXPECT_EQ(document().ObjectAt(1)->name(), "elem:\xC3\xA9t\xC3\xA9\xF0\x9F\x98\x80-body");
}

TEST_F(MergeCommandTest, NameOutsideTheUserCodePageNamesTheObjectInvalid) {
  if (UseUserDefaultLocale().find(".1252") == std::string::npos) {
    GTEST_SKIP() << "the user's locale is not code page 1252";
  }
  AddCurrentBase({{0, 0, 0}});
  Answer({DialogAction::SetText(2, u"elem:\u4E00-body"), DialogAction::Press(u"OK")});

  ASSERT_EQ(RunCommand(), 1) << "a name that cannot be converted still names the object";
  EXPECT_EQ(document().ObjectAt(1)->name(), "invalid");
}

}  // namespace
