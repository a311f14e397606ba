#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "refhost/widgetservice/ScriptedDriver.h"
#include "tests/refhost/widgetservice/WidgetServiceFixture.h"

namespace {

using refhost::DialogAction;
using refhost::DialogSession;
using refhost::ScriptedDriver;

// A dialog shaped like the merge dialog: a read-only edit, two list boxes
// with the same items, two spin boxes, a name edit, Cancel and OK.
class WidgetDriverTest : public WidgetServiceFixture {
 protected:
  void SetUp() override {
    WidgetServiceFixture::SetUp();
    dialog = Create("dialog");
    const int root = Place(dialog, "frame");
    const int baseName = Place(root, "edit");
    SetFlag(baseName, "readonly");
    for (int column = 0; column < 2; ++column) {
      const int frame = Place(root, "frame");
      lists[column] = Place(frame, "listbox");
      for (const char16_t* item : {u"elem:a-body", u"elem:b-body", u"elem:c-body"}) {
        AddItem(lists[column], item, 260 + column);
      }
      spins[column] = Place(frame, "doublespinbox");
    }
    nameEdit = Place(root, "edit");
    const int buttons = Place(root, "frame");
    Attach(buttons, MakeButton(u"Cancel", 2));
    const int ok = MakeButton(u"OK", 1);
    SetFlag(ok, "default");
    Attach(buttons, ok);
  }

  int Place(int parent, const char* kind) {
    const int widget = Create(kind);
    Attach(parent, widget);
    return widget;
  }
  std::shared_ptr<ScriptedDriver> Script(std::vector<DialogAction> actions) {
    auto driver = std::make_shared<ScriptedDriver>(std::move(actions));
    service.SetDriver(driver);
    return driver;
  }
  const refhost::Widget& Widget(int id) const { return *service.Find(id); }

  int dialog = 0;
  int lists[2] = {};
  int spins[2] = {};
  int nameEdit = 0;
};

TEST_F(WidgetDriverTest, WithoutDriverTheDefaultButtonAnswers) {
  EXPECT_EQ(Execute(dialog), 1) << "OK is the default button and carries 1";
  EXPECT_EQ(service.executions(), 1);
}

TEST_F(WidgetDriverTest, DialogWithoutDefaultButtonWritesNoResult) {
  const int bare = Create("dialog");
  Attach(bare, MakeButton(u"OK", 1));
  std::int32_t result = 0;
  Send(bare, WidgetOp::Execute, {{"type", "modal"}, {"result", &result}});
  EXPECT_EQ(result, 0);
  EXPECT_EQ(service.calls().back().Value("result"), "0");
}

TEST_F(WidgetDriverTest, ScriptedUserActsThenPresses) {
  auto driver = Script({DialogAction::SelectItem(1, 1), DialogAction::SelectItem(2, u"elem:c-body"),
                        DialogAction::SetPosition(2, -50.0), DialogAction::SetText(2, u"mix"),
                        DialogAction::Press(u"Cancel")});

  EXPECT_EQ(Execute(dialog), 2) << "Cancel carries 2";
  EXPECT_EQ(Widget(lists[0]).currentIndex, 1) << "selection by index";
  EXPECT_EQ(Widget(lists[1]).currentIndex, 2) << "selection by item text";
  EXPECT_EQ(Widget(spins[0]).Position(), 0.0) << "only the second spin box was addressed";
  EXPECT_EQ(Widget(spins[1]).Position(), -50.0);
  EXPECT_EQ(Widget(nameEdit).Text(), u"mix") << "edit 2 is the name box, after the read-only one";
  EXPECT_TRUE(driver->failures().empty());
}

TEST_F(WidgetDriverTest, ScriptWithoutPressEndsWithTheDefaultButton) {
  Script({DialogAction::SetText(2, u"")});
  EXPECT_EQ(Execute(dialog), 1);
  EXPECT_EQ(Widget(nameEdit).Text(), u"") << "an emptied edit box stays empty";
}

TEST_F(WidgetDriverTest, ButtonsArePressedByModalResult) {
  Script({DialogAction::PressResult(2)});
  EXPECT_EQ(Execute(dialog), 2);
}

TEST_F(WidgetDriverTest, CloseWritesNoResult) {
  Script({DialogAction::Close(), DialogAction::Press(u"OK")});
  EXPECT_EQ(Execute(dialog), 0) << "a dialog closed without a button answers nothing";
}

TEST_F(WidgetDriverTest, CallbackSeesTheLiveDialogInTreeOrder) {
  std::vector<std::string> kinds;
  Script({DialogAction::Run([&](DialogSession& session) {
    for (const refhost::Widget* widget : session.Widgets()) kinds.push_back(widget->kind);
    EXPECT_EQ(session.dialog().id, dialog);
    Set(nameEdit, "text", u"set while open");
  })});

  Execute(dialog);

  const std::vector<std::string> expected = {"frame",         "edit",  "frame",   "listbox",
                                             "doublespinbox", "frame", "listbox", "doublespinbox",
                                             "edit",          "frame", "button",  "button"};
  EXPECT_EQ(kinds, expected) << "the view must list the widgets depth first in attach order";
  EXPECT_EQ(Widget(nameEdit).Text(), u"set while open") << "the host must serve calls while open";
}

struct FailingScript {
  DialogAction action;
  const char* message;
};

TEST_F(WidgetDriverTest, FailedActionIsReportedAndClosesWithoutResult) {
  const FailingScript cases[] = {
      {DialogAction::SelectItem(3, 0), "the dialog has no listbox number 3"},
      {DialogAction::SelectItem(1, 3), "list box 1 has no item 3"},
      {DialogAction::SelectItem(2, u"elem:z-body"), "list box 2 has no item \"elem:z-body\""},
      {DialogAction::SetPosition(3, 1.0), "the dialog has no doublespinbox number 3"},
      {DialogAction::SetText(1, u"x"), "edit 1 is read-only"},
      {DialogAction::Press(u"Apply"), "the dialog has no button \"Apply\""},
      {DialogAction::PressResult(7), "no button closes the dialog with 7"},
  };
  for (const FailingScript& failing : cases) {
    bool playedOn = false;
    auto driver =
        Script({failing.action, DialogAction::Run([&](DialogSession&) { playedOn = true; }),
                DialogAction::Press(u"OK")});

    EXPECT_EQ(Execute(dialog), 0) << failing.message << ": a failed script must press nothing";
    EXPECT_FALSE(playedOn) << failing.message << ": the script must stop at its failure";
    ASSERT_EQ(driver->failures().size(), 1u) << failing.message;
    EXPECT_EQ(driver->failures().front(), failing.message);
  }
}

TEST_F(WidgetDriverTest, SessionRefusesWidgetsOutsideItsDialog) {
  const int stray = Create("listbox");
  AddItem(stray, u"a", 1);
  bool selected = true;
  Script({DialogAction::Run([&](DialogSession& session) {
    selected = session.SelectItem(stray, 0) || session.SetPosition(lists[0], 1.0);
  })});
  Execute(dialog);
  EXPECT_FALSE(selected) << "a driver may only act on the dialog's own widgets of the right kind";
}

}  // namespace
