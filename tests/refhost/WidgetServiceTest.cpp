#include "refhost/widgets/WidgetService.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "refhost/widgets/ScriptedDriver.h"

namespace {

using refhost::DialogAction;
using refhost::WidgetService;
namespace op = refhost::widget_op;

class WidgetServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { service.Reset(); }
  void TearDown() override { service.Reset(); }

  int Create(const char* kind) {
    std::int32_t id = 0;
    void* list[] = {const_cast<char*>("type"), const_cast<char*>(kind), const_cast<char*>("id"),
                    &id, nullptr};
    service.Value(0, op::kCreate, list);
    return id;
  }
  void SetBool(int id, const char* key, unsigned char value) {
    void* list[] = {const_cast<char*>(key), &value, nullptr};
    service.Value(id, op::kSetValue, list);
  }
  void SetText(int id, const char16_t* text) {
    void* list[] = {const_cast<char*>("text"), const_cast<char16_t*>(text), nullptr};
    service.Value(id, op::kSetValue, list);
  }
  void SetInt(int id, const char* key, std::int32_t value) {
    void* list[] = {const_cast<char*>(key), &value, nullptr};
    service.Value(id, op::kSetValue, list);
  }
  void Attach(int parent, int child) {
    std::int32_t result = -1;
    void* list[] = {const_cast<char*>("child"), &child, const_cast<char*>("result"), &result,
                    nullptr};
    service.Value(parent, op::kAddChild, list);
  }
  std::int32_t Execute(int dialog, std::int32_t preset = 0) {
    std::int32_t result = preset;
    void* list[] = {const_cast<char*>("type"), const_cast<char*>("modal"),
                    const_cast<char*>("result"), &result, nullptr};
    service.Value(dialog, op::kExecute, list);
    return result;
  }
  // A dialog with an OK (1, default) and a Cancel (2) button.
  int MakeDialog() {
    const int dialog = Create("dialog");
    for (auto [caption, result, isDefault] : {std::tuple{u"Cancel", 2, 0}, {u"OK", 1, 1}}) {
      const int button = Create("button");
      Attach(dialog, button);
      SetText(button, caption);
      SetInt(button, "modalresult", result);
      if (isDefault) SetBool(button, "default", 1);
    }
    return dialog;
  }

  WidgetService& service = WidgetService::Instance();
};

TEST_F(WidgetServiceTest, WellFormedListsRecordNoBreach) {
  const int dialog = MakeDialog();
  EXPECT_NE(dialog, 0);
  EXPECT_EQ(Execute(dialog), 1) << "no driver: the default button answers";
  EXPECT_TRUE(service.breaches().empty()) << service.breaches().front().what;
}

struct BadList {
  const char* name;
  int code;
  std::vector<std::pair<const char*, void*>> pairs;
  const char* breach;
};

TEST_F(WidgetServiceTest, ReaderFlagsEveryKindOfBreach) {
  const int edit = Create("edit");
  const int listBox = Create("listbox");
  std::int32_t notPreset = 7;
  std::int32_t index = 0;
  std::uint64_t tag = 0;
  unsigned char badBool = 2;
  double rate = 80.0;
  const BadList cases[] = {
      {"unknown key", op::kSetValue, {{"colour", &rate}}, "unknown key"},
      {"out-value not preset", op::kGetValue, {{"text.length", &notPreset}}, "not preset"},
      {"tag before index", op::kGetValue, {{"item.tag", &tag}, {"index", &index}}, "item.tag"},
      {"bool not 0 or 1", op::kSetValue, {{"readonly", &badBool}}, "one byte"},
      {"key for another kind", op::kSetValue, {{"title", const_cast<char16_t*>(u"x")}}, "apply"},
      {"two pairs in SetValue", op::kSetValue, {{"readonly", &index}, {"readonly", &index}},
       "exactly one"},
  };
  for (const BadList& bad : cases) {
    service.ClearRecord();
    std::vector<void*> list;
    for (auto [key, value] : bad.pairs) {
      list.push_back(const_cast<char*>(key));
      list.push_back(value);
    }
    list.push_back(nullptr);
    service.Value(std::string(bad.name) == "tag before index" ? listBox : edit, bad.code,
                  list.data());
    ASSERT_FALSE(service.breaches().empty()) << bad.name << " went unnoticed";
    EXPECT_NE(service.breaches().front().what.find(bad.breach), std::string::npos)
        << bad.name << ": " << service.breaches().front().what;
  }
}

TEST_F(WidgetServiceTest, HostThatAnswersNothingLeavesDefaults) {
  service.faults().writeNoOutValues = true;
  EXPECT_EQ(Create("frame"), 0);
  std::int32_t mainWindow = -1;
  void* list[] = {const_cast<char*>("system"), const_cast<char*>("main_window"),
                  const_cast<char*>("result"), &mainWindow, nullptr};
  service.Value(0, op::kGetSystem, list);
  EXPECT_EQ(mainWindow, -1);
}

TEST_F(WidgetServiceTest, AddItemAnswersIndexAndFirstItemIsCurrent) {
  const int listBox = Create("listbox");
  for (std::int32_t expected : {0, 1}) {
    std::int32_t result = -1;
    std::uint64_t tag = 40 + expected;
    void* list[] = {const_cast<char*>("additem"), nullptr, const_cast<char*>("text"),
                    const_cast<char16_t*>(u"item"), const_cast<char*>("result"), &result,
                    const_cast<char*>("tag"), &tag, nullptr};
    service.Value(listBox, op::kCallMethod, list);
    EXPECT_EQ(result, expected);
  }
  EXPECT_EQ(service.Find(listBox)->currentIndex, 0);
  EXPECT_EQ(service.Find(listBox)->items[1].tag, 41u);
  EXPECT_TRUE(service.breaches().empty());
}

TEST_F(WidgetServiceTest, ScriptedDriverActsThenPresses) {
  const int dialog = MakeDialog();
  const int edit = Create("edit");
  Attach(dialog, edit);
  auto driver = std::make_shared<refhost::ScriptedDriver>(std::vector<DialogAction>{
      DialogAction::SetText(1, u"typed"), DialogAction::Press(u"Cancel")});
  service.SetDriver(driver);
  EXPECT_EQ(Execute(dialog), 2);
  EXPECT_EQ(service.Find(edit)->Text(), u"typed");
  EXPECT_TRUE(driver->failures().empty());
}

TEST_F(WidgetServiceTest, ScriptedFailureIsReportedAndClosesWithoutResult) {
  const int dialog = MakeDialog();
  auto driver = std::make_shared<refhost::ScriptedDriver>(
      std::vector<DialogAction>{DialogAction::SelectItem(3, 0)});
  service.SetDriver(driver);
  EXPECT_EQ(Execute(dialog, 0), 0) << "a failed script must not press a button";
  ASSERT_EQ(driver->failures().size(), 1u);
  EXPECT_EQ(driver->failures().front(), "the dialog has no listbox number 3");
}

TEST_F(WidgetServiceTest, TextIsWrittenIntoTheCallersBuffer) {
  const int edit = Create("edit");
  SetText(edit, u"abc");
  std::int32_t length = 0;
  void* lengthList[] = {const_cast<char*>("text.length"), &length, nullptr};
  service.Value(edit, op::kGetValue, lengthList);
  ASSERT_EQ(length, 3);
  std::u16string buffer(4, u'x');
  void* textList[] = {const_cast<char*>("text"), buffer.data(), nullptr};
  service.Value(edit, op::kGetValue, textList);
  EXPECT_EQ(buffer, std::u16string(u"abc\0", 4));
}

}  // namespace
