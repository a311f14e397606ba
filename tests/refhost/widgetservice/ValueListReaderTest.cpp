#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "tests/refhost/widgetservice/WidgetServiceFixture.h"

namespace {

using refhost::BreachKind;

class WidgetReaderTest : public WidgetServiceFixture {};

// Storage the hand-built lists point into, refilled before each list since
// the host may answer into it.
struct Storage {
  std::int32_t zero = 0;
  std::int32_t minusOne = -1;
  std::int32_t seven = 7;
  std::uint64_t tagZero = 0;
  std::uint64_t tagOne = 1;
  double rate = 80.0;
  double minusZero = -0.0;
  unsigned char two = 2;
  char16_t text[8] = {};
};
Storage values;

enum class Target { None, Edit, ListBox, SpinBox, Destroyed, MainWindow };

struct BadList {
  const char* breach;
  Target target;
  WidgetOp code;
  std::vector<WidgetPair> pairs;
  BreachKind kind;
};

const BadList kBadLists[] = {
    {"unknown key",
     Target::Edit,
     WidgetOp::SetValue,
     {{"colour", &values.rate}},
     BreachKind::UnknownKey},
    {"key of another kind",
     Target::Edit,
     WidgetOp::SetValue,
     {{"title", u"x"}},
     BreachKind::UnknownKey},
    {"unknown method",
     Target::ListBox,
     WidgetOp::CallMethod,
     {{"removeitem", nullptr}},
     BreachKind::UnknownKey},
    {"int out-value not preset",
     Target::Edit,
     WidgetOp::GetValue,
     {{"text.length", &values.seven}},
     BreachKind::NotPreset},
    {"double out-value -0.0",
     Target::SpinBox,
     WidgetOp::GetValue,
     {{"position", &values.minusZero}},
     BreachKind::NotPreset},
    {"tag out-value not preset",
     Target::ListBox,
     WidgetOp::GetValue,
     {{"index", &values.zero}, {"item.tag", &values.tagOne}},
     BreachKind::NotPreset},
    {"Create id not preset",
     Target::None,
     WidgetOp::Create,
     {{"type", "frame"}, {"id", &values.seven}},
     BreachKind::NotPreset},
    {"item.tag before index",
     Target::ListBox,
     WidgetOp::GetValue,
     {{"item.tag", &values.tagZero}, {"index", &values.zero}},
     BreachKind::PairOrder},
    {"method name not first",
     Target::ListBox,
     WidgetOp::CallMethod,
     {{"text", u"a"}, {"additem", nullptr}, {"result", &values.minusOne}, {"tag", &values.tagZero}},
     BreachKind::PairOrder},
    {"method name with a value",
     Target::ListBox,
     WidgetOp::CallMethod,
     {{"additem", &values.zero},
      {"text", u"a"},
      {"result", &values.minusOne},
      {"tag", &values.tagZero}},
     BreachKind::PairOrder},
    {"text read before its length",
     Target::Edit,
     WidgetOp::GetValue,
     {{"text", values.text}},
     BreachKind::PairOrder},
    {"bool byte 2",
     Target::Edit,
     WidgetOp::SetValue,
     {{"readonly", &values.two}},
     BreachKind::BadBool},
    {"additem without tag",
     Target::ListBox,
     WidgetOp::CallMethod,
     {{"additem", nullptr}, {"text", u"a"}, {"result", &values.minusOne}},
     BreachKind::MissingValue},
    {"Create without type",
     Target::None,
     WidgetOp::Create,
     {{"id", &values.zero}},
     BreachKind::MissingValue},
    {"AddChild without child",
     Target::MainWindow,
     WidgetOp::AddChild,
     {{"result", &values.minusOne}},
     BreachKind::MissingValue},
    {"null value pointer",
     Target::SpinBox,
     WidgetOp::SetValue,
     {{"min", nullptr}},
     BreachKind::MissingValue},
    {"CallMethod without method",
     Target::ListBox,
     WidgetOp::CallMethod,
     {},
     BreachKind::MissingValue},
    {"SetValue with two pairs",
     Target::Edit,
     WidgetOp::SetValue,
     {{"readonly", &values.zero}, {"horzlayout", "fill"}},
     BreachKind::MalformedList},
    {"SetValue with no pair", Target::Edit, WidgetOp::SetValue, {}, BreachKind::MalformedList},
    {"kind the host cannot create",
     Target::None,
     WidgetOp::Create,
     {{"type", "slider"}, {"id", &values.zero}},
     BreachKind::BadValue},
    {"Execute not modal",
     Target::None,
     WidgetOp::Execute,
     {{"type", "modeless"}, {"result", &values.zero}},
     BreachKind::BadValue},
    {"call after Destroy",
     Target::Destroyed,
     WidgetOp::SetValue,
     {{"horzlayout", "fill"}},
     BreachKind::BadTarget},
    {"Destroy of the main window",
     Target::MainWindow,
     WidgetOp::Destroy,
     {},
     BreachKind::BadTarget},
    {"Create sent to a widget",
     Target::Edit,
     WidgetOp::Create,
     {{"type", "frame"}, {"id", &values.zero}},
     BreachKind::BadTarget},
    {"unknown operation code",
     Target::Edit,
     static_cast<WidgetOp>(0x0304),
     {},
     BreachKind::UnknownCode},
};

TEST_F(WidgetReaderTest, FlagsEachKindOfBreach) {
  for (const BadList& bad : kBadLists) {
    service.Reset();
    values = Storage();
    int targets[] = {0,
                     Create("edit"),
                     Create("listbox"),
                     Create("doublespinbox"),
                     Create("frame"),
                     refhost::WidgetService::kMainWindowID};
    Send(targets[static_cast<int>(Target::Destroyed)], WidgetOp::Destroy, {});
    service.ClearRecord();

    Send(targets[static_cast<int>(bad.target)], bad.code, bad.pairs);

    bool flagged = false;
    for (const refhost::ProtocolBreach& breach : service.breaches()) {
      flagged = flagged || breach.kind == bad.kind;
    }
    EXPECT_TRUE(flagged) << bad.breach << " went unnoticed; flagged instead:\n" << Breaches();
  }
}

// Every key the plug-in may send, each used as the protocol wants it.
TEST_F(WidgetReaderTest, WellFormedListsRecordNoBreach) {
  std::int32_t mainWindow = -1;
  Send(0, WidgetOp::GetSystem, {{"system", "main_window"}, {"result", &mainWindow}});
  const int dialog = MakeDialog();
  Attach(mainWindow, dialog, WidgetOp::AddChildWindow);
  Set(dialog, "title", u"Blendforge");
  const int frame = Create("frame");
  Attach(dialog, frame);
  Set(frame, "alignment", "vert");
  Set(frame, "vertlayout", "fill");
  const int edit = Create("edit");
  Attach(frame, edit);
  Set(edit, "text", u"body");
  SetFlag(edit, "readonly");
  Set(edit, "horzlayout", "fill");
  const int listBox = Create("listbox");
  Attach(frame, listBox);
  AddItem(listBox, u"elem:smile-body", 260);
  const int spinBox = Create("doublespinbox");
  Attach(frame, spinBox);
  for (auto [key, value] : {std::pair{"min", -200.0},
                            {"max", 200.0},
                            {"increment", 10.0},
                            {"position", 100.0},
                            {"fillbeforerate", 80.0}}) {
    Set(spinBox, key, &value);
  }
  const unsigned char off = 0;
  Set(edit, "readonly", &off);
  Execute(dialog);

  std::int32_t length = 0;
  Send(edit, WidgetOp::GetValue, {{"text.length", &length}});
  std::u16string buffer(static_cast<std::size_t>(length) + 1, u'\0');
  Send(edit, WidgetOp::GetValue, {{"text", buffer.data()}});
  std::int32_t current = 0;
  std::int32_t index = 0;
  std::uint64_t tag = 0;
  double position = 0.0;
  Send(listBox, WidgetOp::GetValue, {{"currentindex", &current}});
  Send(listBox, WidgetOp::GetValue, {{"index", &index}, {"item.tag", &tag}});
  Send(spinBox, WidgetOp::GetValue, {{"position", &position}});
  for (int widget : {spinBox, listBox, edit, frame, dialog}) Send(widget, WidgetOp::Destroy, {});

  EXPECT_TRUE(service.breaches().empty()) << "a sound list was flagged:\n" << Breaches();
  EXPECT_EQ(tag, 260u) << "the host must answer the tag of the item the index names";
}

TEST_F(WidgetReaderTest, RecordsEveryPairReadably) {
  const int spinBox = Create("doublespinbox");
  const double low = -200.0;
  Set(spinBox, "min", &low);
  const int button = Create("button");
  Set(button, "text", u"Gr\u00fc\u00dfe");
  SetFlag(button, "default");
  const int listBox = Create("listbox");
  AddItem(listBox, u"a", std::numeric_limits<std::uint64_t>::max());

  const std::vector<refhost::RecordedCall>& calls = service.calls();
  ASSERT_EQ(calls.size(), 7u) << "every call must be recorded, one entry each";
  EXPECT_EQ(calls[0].code, WidgetOp::Create);
  EXPECT_EQ(calls[0].Value("type"), "\"doublespinbox\"");
  EXPECT_EQ(calls[0].Value("id"), "0") << "an out-value is recorded as preset";
  EXPECT_EQ(calls[1].target, spinBox);
  EXPECT_EQ(calls[1].Value("min"), "-200") << "a double must read back as sent";
  EXPECT_EQ(calls[3].Value("text"),
            "\"Gr\xc3\xbc\xc3\x9f"
            "e\"")
      << "wide text is shown as UTF-8";
  EXPECT_EQ(calls[4].Value("default"), "1") << "a bool is shown as its byte";
  EXPECT_EQ(calls[6].pairs.front(), (std::pair<std::string, std::string>("additem", "null")))
      << "the method name comes first with its null value";
  EXPECT_EQ(calls[6].Value("tag"), "18446744073709551615") << "a tag is shown unsigned";
}

}  // namespace
