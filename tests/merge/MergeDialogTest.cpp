#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>
#include <vector>

#include "merge/Blendforge.h"
#include "tests/support/DialogHostTest.h"

namespace {

using refhost::DialogAction;
using Lines = std::vector<std::string>;

class MergeDialogTest : public DialogHostTest {
 protected:
  refhost::Object& UseAsBase(refhost::Object& object) {
    plugin.document = cmq::CMQDocument(document().handle());
    plugin.base = HandleOf(document(), object);
    return object;
  }

  std::vector<refhost::ListItem> ItemsOfList(int ordinal) const {
    return Nth("listbox", ordinal).items;
  }

  Blendforge plugin;
};

TEST_F(MergeDialogTest, BuildsTheWidgetTreeInItsOrder) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  refhost::Object& target = AddMeshOfSize(document(), "elem:smile-body", 1);
  Answer({DialogAction::Press(u"Cancel")});
  const std::string tag = std::to_string(target.uniqueID());

  plugin.RunMergeDialog();
  const Lines built = Transcript();
  const Lines expected{
      "none GetSystem system=\"main_window\" result=-1",
      "none Create type=\"dialog\" id=0",
      "main_window AddChildWindow child=dialog1 result=-1",
      "dialog1 SetValue title=\"Blendforge\"",
      "none Create type=\"frame\" id=0",
      "frame1 SetValue alignment=\"vert\"",
      "dialog1 AddChild child=frame1 result=-1",
      // base row
      "none Create type=\"frame\" id=0",
      "frame2 SetValue alignment=\"horz\"",
      "frame1 AddChild child=frame2 result=-1",
      "frame2 SetValue horzlayout=\"fill\"",
      "none Create type=\"label\" id=0",
      "label1 SetValue text=\"base:\"",
      "frame2 AddChild child=label1 result=-1",
      "none Create type=\"edit\" id=0",
      "edit1 SetValue text=\"body\"",
      "frame2 AddChild child=edit1 result=-1",
      "edit1 SetValue readonly=1",
      "edit1 SetValue horzlayout=\"fill\"",
      // target row and its two columns
      "none Create type=\"frame\" id=0",
      "frame3 SetValue alignment=\"horz\"",
      "frame1 AddChild child=frame3 result=-1",
      "none Create type=\"frame\" id=0",
      "frame4 SetValue alignment=\"vert\"",
      "frame3 AddChild child=frame4 result=-1",
      "none Create type=\"listbox\" id=0",
      "frame4 AddChild child=listbox1 result=-1",
      "listbox1 SetValue vertlayout=\"fill\"",
      "none Create type=\"doublespinbox\" id=0",
      "frame4 AddChild child=doublespinbox1 result=-1",
      "doublespinbox1 SetValue min=-200",
      "doublespinbox1 SetValue max=200",
      "doublespinbox1 SetValue increment=10",
      "doublespinbox1 SetValue position=100",
      "none Create type=\"frame\" id=0",
      "frame5 SetValue alignment=\"vert\"",
      "frame3 AddChild child=frame5 result=-1",
      "none Create type=\"listbox\" id=0",
      "frame5 AddChild child=listbox2 result=-1",
      "listbox2 SetValue vertlayout=\"fill\"",
      "none Create type=\"doublespinbox\" id=0",
      "frame5 AddChild child=doublespinbox2 result=-1",
      "doublespinbox2 SetValue min=-200",
      "doublespinbox2 SetValue max=200",
      "doublespinbox2 SetValue increment=10",
      "doublespinbox2 SetValue position=100",
      // both lists, filled item by item
      "listbox1 CallMethod additem=null text=\"elem:smile-body\" result=-1 tag=" + tag,
      "listbox2 CallMethod additem=null text=\"elem:smile-body\" result=-1 tag=" + tag,
      // name row
      "none Create type=\"frame\" id=0",
      "frame6 SetValue alignment=\"horz\"",
      "frame1 AddChild child=frame6 result=-1",
      "frame6 SetValue horzlayout=\"fill\"",
      "none Create type=\"label\" id=0",
      "label2 SetValue text=\"new morph name\"",
      "frame6 AddChild child=label2 result=-1",
      "none Create type=\"edit\" id=0",
      "edit2 SetValue text=\"\"",
      "frame6 AddChild child=edit2 result=-1",
      "edit2 SetValue text=\"elem:new-body\"",
      "edit2 SetValue horzlayout=\"fill\"",
      // button row
      "none Create type=\"frame\" id=0",
      "frame7 SetValue alignment=\"horz\"",
      "frame1 AddChild child=frame7 result=-1",
      "frame7 SetValue horzlayout=\"fill\"",
      "none Create type=\"button\" id=0",
      "button1 SetValue text=\"Cancel\"",
      "frame7 AddChild child=button1 result=-1",
      "button1 SetValue cancel=1",
      "button1 SetValue modalresult=2",
      "none Create type=\"button\" id=0",
      "button2 SetValue text=\"OK\"",
      "frame7 AddChild child=button2 result=-1",
      "button2 SetValue default=1",
      "button2 SetValue modalresult=1",
      "button1 SetValue fillbeforerate=80",
      "dialog1 Execute type=\"modal\" result=0",
  };
  ASSERT_GE(built.size(), expected.size()) << "the dialog is not fully built";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(built[i], expected[i]) << "call " << i << " of the dialog's construction";
  }
}

TEST_F(MergeDialogTest, OkReadsTheDialogBackInOrderThenDestroysIt) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  Answer({DialogAction::Press(u"OK")});

  ASSERT_TRUE(plugin.RunMergeDialog());
  const Lines readBack = Transcript(ExecuteCall() + 1);
  const Lines expected{
      "edit2 GetValue text.length=0",       "edit2 GetValue text=buffer",
      "listbox1 GetValue currentindex=0",   "listbox1 GetValue index=-1 item.tag=0",
      "listbox2 GetValue currentindex=0",   "listbox2 GetValue index=-1 item.tag=0",
      "doublespinbox1 GetValue position=0", "doublespinbox2 GetValue position=0",
  };
  ASSERT_GE(readBack.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(readBack[i], expected[i]) << "read-back call " << i;
  }
  const Lines destroyed(readBack.begin() + static_cast<std::ptrdiff_t>(expected.size()),
                        readBack.end());
  ASSERT_EQ(destroyed.size(), 18u) << "one Destroy for each of the 17 widgets and the dialog";
  EXPECT_EQ(destroyed.back(), "dialog1 Destroy") << "the dialog goes after all its widgets";
  for (const refhost::Widget* widget : widgets().Created()) {
    EXPECT_TRUE(widget->destroyed) << widget->kind << " " << widget->id << " was left behind";
  }
  EXPECT_FALSE(widgets().Find(refhost::WidgetService::kMainWindowID)->destroyed)
      << "the main window belongs to the host";
}

TEST_F(MergeDialogTest, BothListsShowTheTargetsTaggedWithTheirUniqueIDs) {
  const std::vector<std::u16string> names{u"elem:a-body", u"elem:b-body", u"elem:c-body"};
  std::vector<int> uniqueIDs;
  uniqueIDs.push_back(AddMeshOfSize(document(), "elem:a-body", 2).uniqueID());
  UseAsBase(AddMeshOfSize(document(), "body", 2));
  AddMeshOfSize(document(), "elem:wrong-body", 3);
  uniqueIDs.push_back(AddMeshOfSize(document(), "elem:b-body", 2).uniqueID());
  AddMeshOfSize(document(), "other", 2);
  uniqueIDs.push_back(AddMeshOfSize(document(), "elem:c-body", 2).uniqueID());
  Answer({DialogAction::Press(u"Cancel")});

  plugin.RunMergeDialog();
  for (int list = 1; list <= 2; ++list) {
    const std::vector<refhost::ListItem> items = ItemsOfList(list);
    ASSERT_EQ(items.size(), names.size()) << "list " << list << " shows every target once";
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].text, names[i]) << "list " << list << " item " << i << ", document order";
      EXPECT_EQ(items[i].tag, static_cast<std::uint64_t>(uniqueIDs[i]))
          << "the tag maps the item back to its object";
    }
  }
}

TEST_F(MergeDialogTest, ChosenItemsAreFoundAgainByTheirUniqueIDs) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  AddMeshOfSize(document(), "elem:a-body", 1);
  refhost::Object& second = AddMeshOfSize(document(), "elem:b-body", 1);
  refhost::Object& third = AddMeshOfSize(document(), "elem:c-body", 1);
  Answer(
      {DialogAction::SelectItem(1, 1), DialogAction::SelectItem(2, 2), DialogAction::Press(u"OK")});

  ASSERT_TRUE(plugin.RunMergeDialog());
  EXPECT_EQ(plugin.target1.object(), second.handle()) << "first list, second item";
  EXPECT_EQ(plugin.target2.object(), third.handle()) << "second list, third item";
  EXPECT_EQ(plugin.target1.document(), document().handle());
}

TEST_F(MergeDialogTest, EmptyTargetListStillConfirmsWithTargetsFromTagZero) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  AddMeshOfSize(document(), "unrelated", 1);
  Answer({DialogAction::Press(u"OK")});

  EXPECT_TRUE(plugin.RunMergeDialog()) << "the dialog never refuses OK";
  EXPECT_TRUE(ItemsOfList(1).empty());
  EXPECT_TRUE(ItemsOfList(2).empty());
  EXPECT_EQ(plugin.target1.object(), nullptr) << "no object has unique ID 0";
  EXPECT_EQ(plugin.target2.object(), nullptr);
  EXPECT_EQ(plugin.target1.document(), document().handle());
}

struct WeightCase {
  std::vector<DialogAction> moves;
  double weight1;
  double weight2;
};

class SpinWeightTest : public MergeDialogTest, public ::testing::WithParamInterface<WeightCase> {};

TEST_P(SpinWeightTest, WeightIsThePositionDividedByHundred) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  std::vector<DialogAction> actions = GetParam().moves;
  actions.push_back(DialogAction::Press(u"OK"));
  Answer(actions);

  ASSERT_TRUE(plugin.RunMergeDialog());
  EXPECT_EQ(plugin.weight1, GetParam().weight1) << "first spin box, a percentage";
  EXPECT_EQ(plugin.weight2, GetParam().weight2) << "second spin box, a percentage";
}

INSTANTIATE_TEST_SUITE_P(Positions, SpinWeightTest,
                         ::testing::Values(WeightCase{{}, 1.0, 1.0},
                                           WeightCase{{DialogAction::SetPosition(1, -50),
                                                       DialogAction::SetPosition(2, 150)},
                                                      -0.5,
                                                      1.5},
                                           WeightCase{
                                               {DialogAction::SetPosition(2, 0)}, 1.0, 0.0}));

TEST_F(MergeDialogTest, NameBoxIsReadAsTyped) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  Answer({DialogAction::SetText(2, u""), DialogAction::Press(u"OK")});

  ASSERT_TRUE(plugin.RunMergeDialog());
  EXPECT_EQ(plugin.newName, u"") << "an emptied name box is taken as it is";
}

TEST_F(MergeDialogTest, ProposalCountsPastTakenNames) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  AddMeshOfSize(document(), "elem:new-body", 1);
  AddMeshOfSize(document(), "elem:new1-body", 4);
  Answer({DialogAction::Press(u"OK")});

  ASSERT_TRUE(plugin.RunMergeDialog());
  EXPECT_EQ(Nth("edit", 2).Text(), u"elem:new2-body") << "the proposal must be free";
  EXPECT_EQ(plugin.newName, u"elem:new2-body");
}

TEST_F(MergeDialogTest, BaseNameBoxIsReadOnly) {
  UseAsBase(AddMeshOfSize(document(), "obj:body", 1));
  Answer({DialogAction::Press(u"Cancel")});

  plugin.RunMergeDialog();
  EXPECT_EQ(Nth("edit", 1).Text(), u"obj:body");
  EXPECT_TRUE(Nth("edit", 1).Flag("readonly")) << "the base's name is shown, not edited";
}

// The dialog converts names in the user's default locale, whatever the
// process used before; these cases need that default to be UTF-8.
class MergeDialogLocaleTest : public MergeDialogTest {
 protected:
  void SetUp() override {
    MergeDialogTest::SetUp();
    if (!IsUtf8Locale(UseUserDefaultLocale())) GTEST_SKIP() << "the user's locale is not UTF-8";
    std::setlocale(LC_CTYPE, "C");
  }
};

TEST_F(MergeDialogLocaleTest, NamesAreWidenedInTheUserLocale) {
  UseAsBase(AddMeshOfSize(document(), "b\xC3\xA9\xE4\xB8\x80", 1));
  AddMeshOfSize(document(), "elem:\xF0\x9F\x98\x80-b\xC3\xA9\xE4\xB8\x80", 1);
  Answer({DialogAction::Press(u"Cancel")});

  plugin.RunMergeDialog();
  EXPECT_EQ(Nth("edit", 1).Text(), u"b\u00E9\u4E00")
      << "the base name must be converted after the locale is set";
  EXPECT_EQ(ItemsOfList(1).at(0).text, u"elem:\U0001F600-b\u00E9\u4E00");
  EXPECT_EQ(Nth("edit", 2).Text(), u"elem:new-b\u00E9\u4E00");
}

TEST_F(MergeDialogLocaleTest, UnconvertibleNameIsShownAsInvalid) {
  UseAsBase(AddMeshOfSize(document(), "body\xFF", 1));
  Answer({DialogAction::Press(u"Cancel")});

  plugin.RunMergeDialog();
  EXPECT_EQ(Nth("edit", 1).Text(), u"invalid");
  EXPECT_EQ(Nth("edit", 2).Text(), u"invalid") << "the proposal carries the same core name";
}

}  // namespace
