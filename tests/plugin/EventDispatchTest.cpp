#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "merge/PluginObject.h"
#include "plugin/EventDispatch.h"
#include "tests/support/HostOptionBlock.h"
#include "tests/support/PluginModule.h"
#include "tests/support/TestPlugins.h"

namespace {

using ::testing::_;
using ::testing::DoAll;
using ::testing::Field;
using ::testing::Invoke;
using ::testing::NiceMock;
using ::testing::Pointee;
using ::testing::Return;
using ::testing::SaveArgPointee;
using ::testing::StrictMock;

const auto kDocument = reinterpret_cast<MQDocument>(0x1000);
const auto kScene = reinterpret_cast<MQScene>(0x2000);
const auto kXmlElement = reinterpret_cast<MQXmlElement>(0x3000);

// ---------------------------------------------------------------- station

struct StationRow {
  int code;
  int answer;  // what the host must hear back
  std::function<void(MockStationPlugin&)> expect;
};

// Each row returns a value other than 1 from the operation, so that a row
// answering 1 proves the operation's result was replaced.
const std::vector<StationRow> kStationRows = {
    {1, 11, [](auto& p) { EXPECT_CALL(p, OnEvent1()).WillOnce(Return(11)); }},
    {2, 1, [](auto& p) { EXPECT_CALL(p, OnEvent2()).WillOnce(Return(12)); }},
    {3, 1, [](auto& p) { EXPECT_CALL(p, OnEvent3(0)).WillOnce(Return(13)); }},
    {4, 1, [](auto& p) { EXPECT_CALL(p, OnEvent4(0)).WillOnce(Return(14)); }},
    {100, 100, [](auto& p) { EXPECT_CALL(p, OnEvent100(kDocument, 0)).WillOnce(Return(100)); }},
    {101, 101, [](auto& p) { EXPECT_CALL(p, OnEvent101(kDocument)).WillOnce(Return(101)); }},
    {102, 1, [](auto& p) { EXPECT_CALL(p, OnEvent102(kDocument, 0)).WillOnce(Return(102)); }},
    {103, 1,
     [](auto& p) {
       EXPECT_CALL(p, OnEvent103(kDocument, 0u, 0u, nullptr, nullptr)).WillOnce(Return(103));
     }},
    {104, 104, [](auto& p) { EXPECT_CALL(p, OnEvent104(kDocument, 0)).WillOnce(Return(104)); }},
    {110, 1,
     [](auto& p) { EXPECT_CALL(p, OnEvent110(kDocument, nullptr, 1, 1)).WillOnce(Return(110)); }},
    {200, 1,
     [](auto& p) { EXPECT_CALL(p, OnEvent200(kDocument, nullptr, _)).WillOnce(Return(200)); }},
    {201, 1, [](auto& p) { EXPECT_CALL(p, OnEvent201(kDocument)).WillOnce(Return(201)); }},
    {202, 1,
     [](auto& p) { EXPECT_CALL(p, OnEvent202(kDocument, nullptr, _)).WillOnce(Return(202)); }},
    {210, 210, [](auto& p) { EXPECT_CALL(p, OnEvent210(kDocument, 0)).WillOnce(Return(210)); }},
    {211, 211, [](auto& p) { EXPECT_CALL(p, OnEvent211(kDocument, 0)).WillOnce(Return(211)); }},
    {212, 1, [](auto& p) { EXPECT_CALL(p, OnEvent212(kDocument, 0, 0)).WillOnce(Return(212)); }},
    {220, 1, [](auto& p) { EXPECT_CALL(p, OnEvent220(kDocument)).WillOnce(Return(220)); }},
    {221, 1, [](auto& p) { EXPECT_CALL(p, OnEvent221(kDocument)).WillOnce(Return(221)); }},
    {222, 1, [](auto& p) { EXPECT_CALL(p, OnEvent222(kDocument)).WillOnce(Return(222)); }},
    {230, 1, [](auto& p) { EXPECT_CALL(p, OnEvent230(kDocument)).WillOnce(Return(230)); }},
    {231, 1, [](auto& p) { EXPECT_CALL(p, OnEvent231(kDocument)).WillOnce(Return(231)); }},
    {240, 1, [](auto& p) { EXPECT_CALL(p, OnEvent240(kDocument, nullptr)).WillOnce(Return(240)); }},
    {250, 1, [](auto& p) { EXPECT_CALL(p, OnEvent250(kDocument, 0)).WillOnce(Return(250)); }},
};

class StationEventTest : public ::testing::TestWithParam<StationRow> {};

// With an empty block every value is at its default; the strict mock fails
// on any call but the one the row expects.
TEST_P(StationEventTest, ReachesItsOperationAndAnswersAsTheEventDemands) {
  StrictMock<MockStationPlugin> plugin;
  GetParam().expect(plugin);
  HostOptionBlock empty;
  EXPECT_EQ(DispatchEvent(plugin, kDocument, GetParam().code, empty.data()), GetParam().answer)
      << "event " << GetParam().code << " answered the host wrongly";
}

INSTANTIATE_TEST_SUITE_P(EveryStationEvent, StationEventTest, ::testing::ValuesIn(kStationRows),
                         [](const auto& info) { return std::to_string(info.param.code); });

TEST(EventDispatchTest, IndexedQueryStoresAllSixtyFourBitsOfItsAnswer) {
  StrictMock<MockStationPlugin> plugin;
  std::int32_t index = 5;
  std::int64_t result = 0;
  HostOptionBlock block;
  block.Add("index", &index).Add("result", &result);
  EXPECT_CALL(plugin, OnEvent4(5))
      .WillOnce(Return(static_cast<std::intptr_t>(INT64_C(0x123456789ABCDEF0))));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 4, block.data()), 1);
  EXPECT_EQ(result, INT64_C(0x123456789ABCDEF0)) << "the upper half of the answer was lost";
}

TEST(EventDispatchTest, MessageStoresOnlyThirtyTwoBitsOfItsAnswer) {
  StrictMock<MockStationPlugin> plugin;
  std::int32_t srcProduct = static_cast<std::int32_t>(0xE3F7A830u);
  std::int32_t srcID = 77;
  char description[] = "description";
  char message[] = "message";
  unsigned char result[8];
  std::memset(result, 0xA5, sizeof result);
  HostOptionBlock block;
  block.Add("src_product", &srcProduct)
      .Add("src_id", &srcID)
      .Add("description", description)
      .Add("message", message)
      .Add("result", result);
  EXPECT_CALL(plugin, OnEvent103(kDocument, 0xE3F7A830u, 77u, description, message))
      .WillOnce(Return(-2));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 103, block.data()), 1);
  std::int32_t stored = 0;
  std::memcpy(&stored, result, 4);
  EXPECT_EQ(stored, -2) << "the message's answer did not reach \"result\"";
  for (int i = 4; i < 8; ++i) {
    EXPECT_EQ(result[i], 0xA5) << "byte " << i << " of \"result\" lies beyond the 32-bit answer";
  }
}

TEST(EventDispatchTest, AnswersWithoutResultStorageAreDropped) {
  StrictMock<MockStationPlugin> plugin;
  EXPECT_CALL(plugin, OnEvent3(0)).WillOnce(Return(std::intptr_t{9}));
  EXPECT_CALL(plugin, OnEvent103(kDocument, 0u, 0u, nullptr, nullptr)).WillOnce(Return(9));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 3, nullptr), 1)
      << "a missing \"result\" still answers 1";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 103, nullptr), 1)
      << "a missing \"result\" still answers 1";
}

TEST(EventDispatchTest, FirstIndexPairCountsEvenWithNullValue) {
  StrictMock<MockStationPlugin> plugin;
  std::int32_t first = 3;
  std::int32_t later = 8;
  HostOptionBlock twice;
  twice.Add("index", &first).Add("index", &later);
  HostOptionBlock nullFirst;
  nullFirst.Add("index", nullptr).Add("index", &later);
  EXPECT_CALL(plugin, OnEvent104(kDocument, 3)).WillOnce(Return(1));
  EXPECT_CALL(plugin, OnEvent104(kDocument, 0)).WillOnce(Return(1));
  DispatchEvent(plugin, kDocument, 104, twice.data());
  DispatchEvent(plugin, kDocument, 104, nullFirst.data());
}

TEST(EventDispatchTest, FlagEventsReadTheFlagPointer) {
  StrictMock<MockStationPlugin> plugin;
  std::int32_t flag = 9;
  EXPECT_CALL(plugin, OnEvent100(kDocument, 9)).WillOnce(Return(5));
  EXPECT_CALL(plugin, OnEvent102(kDocument, 9)).WillOnce(Return(5));
  EXPECT_CALL(plugin, OnEvent100(kDocument, 0)).WillOnce(Return(6));
  EXPECT_CALL(plugin, OnEvent102(kDocument, 0)).WillOnce(Return(6));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 100, &flag), 5) << "100 answers its own result";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 102, &flag), 1) << "102 answers 1";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 100, nullptr), 6) << "a null flag must read as 0";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 102, nullptr), 1) << "a null flag must read as 0";
}

TEST(EventDispatchTest, SceneEventPassesItsValues) {
  StrictMock<MockStationPlugin> plugin;
  std::int32_t width = 640;
  std::int32_t height = 480;
  HostOptionBlock block;
  block.Add("scene", kScene).Add("width", &width).Add("height", &height);
  HostOptionBlock sceneOnly;
  sceneOnly.Add("scene", kScene);
  EXPECT_CALL(plugin, OnEvent110(kDocument, kScene, 640, 480)).WillOnce(Return(0));
  EXPECT_CALL(plugin, OnEvent110(kDocument, kScene, 1, 1)).WillOnce(Return(0));
  EXPECT_CALL(plugin, OnEvent110(kDocument, nullptr, 1, 1)).WillOnce(Return(0));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 110, block.data()), 1) << "110 answers 1";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 110, sceneOnly.data()), 1)
      << "absent width and height must be 1";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 110, nullptr), 1)
      << "a null block must give a null scene and size 1 by 1";
}

TEST(EventDispatchTest, StateEventsPassStateAndSize) {
  StrictMock<MockStationPlugin> plugin;
  std::int32_t state = 2;
  std::int32_t size = 300;
  HostOptionBlock block;
  block.Add("size", &size).Add("state", &state);
  EXPECT_CALL(plugin, OnEvent211(kDocument, 2)).WillOnce(Return(7));
  EXPECT_CALL(plugin, OnEvent212(kDocument, 2, 300)).WillOnce(Return(7));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 211, block.data()), 7) << "211 answers its own result";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 212, block.data()), 1)
      << "state and size must not be swapped";
}

TEST(EventDispatchTest, DocumentFileEventsHandOverTheFileAndXmlElement) {
  StrictMock<MockStationPlugin> plugin;
  const char filename[] = "document.dat";
  HostOptionBlock block;
  block.Add("xml_elem", kXmlElement).Add("filename", filename);
  DocumentFileInfo received{};
  EXPECT_CALL(plugin, OnEvent200(kDocument, filename, _))
      .WillOnce(DoAll(SaveArgPointee<2>(&received), Return(0)));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 200, block.data()), 1);
  EXPECT_EQ(received.xml_elem, kXmlElement) << "the XML element was not handed over";
  EXPECT_EQ(received.save_uid, 0) << "save_uid must start at 0";
}

struct SaveUidRow {
  std::int32_t setByPlugin;
  std::int32_t storedAfter;
};

class SaveUidTest : public ::testing::TestWithParam<SaveUidRow> {};

TEST_P(SaveUidTest, ReportedOnlyWhenThePluginAsksForIt) {
  StrictMock<MockStationPlugin> plugin;
  std::int32_t saveUid = 7;
  HostOptionBlock block;
  block.Add("save_uid", &saveUid);
  const std::int32_t setByPlugin = GetParam().setByPlugin;
  EXPECT_CALL(plugin,
              OnEvent202(kDocument, nullptr, Pointee(Field(&DocumentFileInfo::save_uid, 0))))
      .WillOnce(Invoke([setByPlugin](MQDocument, const char*, DocumentFileInfo* info) {
        info->save_uid = setByPlugin;
        return 0;
      }));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 202, block.data()), 1);
  EXPECT_EQ(saveUid, GetParam().storedAfter)
      << "plug-in set save_uid to " << setByPlugin << ": \"save_uid\" was handled wrongly";
}

INSTANTIATE_TEST_SUITE_P(LeftOrSet, SaveUidTest,
                         ::testing::Values(SaveUidRow{0, 7}, SaveUidRow{5, 1}, SaveUidRow{-1, 1}));

TEST(EventDispatchTest, SaveUidWithoutStorageIsNotReported) {
  StrictMock<MockStationPlugin> plugin;
  HostOptionBlock block;
  block.Add("save_uid", nullptr);
  EXPECT_CALL(plugin, OnEvent202(kDocument, nullptr, _))
      .WillOnce(Invoke([](MQDocument, const char*, DocumentFileInfo* info) {
        info->save_uid = 5;
        return 0;
      }));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 202, block.data()), 1)
      << "a null \"save_uid\" must be skipped, not written";
}

struct TriggerRow {
  const char* text;  // null: no "trigger" key
  int code;
};

class TriggerTest : public ::testing::TestWithParam<TriggerRow> {};

TEST_P(TriggerTest, TextGivesTriggerCodeOnExactMatchOnly) {
  StrictMock<MockStationPlugin> plugin;
  HostOptionBlock block;
  if (GetParam().text != nullptr) block.Add("trigger", GetParam().text);
  EXPECT_CALL(plugin, OnEvent250(kDocument, GetParam().code)).WillOnce(Return(0));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 250, block.data()), 1);
}

INSTANTIATE_TEST_SUITE_P(Texts, TriggerTest,
                         ::testing::Values(TriggerRow{"screen", 1}, TriggerRow{"world", 2},
                                           TriggerRow{"local", 3}, TriggerRow{"Local", 0},
                                           TriggerRow{"screenshot", 0}, TriggerRow{"scree", 0},
                                           TriggerRow{"", 0}, TriggerRow{nullptr, 0}));

// ---------------------------------------------------------------- command

TEST(EventDispatchTest, EachMouseAndKeyCodeReachesItsOwnOperation) {
  NiceMock<MockCommandPlugin> plugin;
  ON_CALL(plugin, OnEvent120).WillByDefault(Return(120));
  ON_CALL(plugin, OnEvent121).WillByDefault(Return(121));
  ON_CALL(plugin, OnEvent122).WillByDefault(Return(122));
  ON_CALL(plugin, OnEvent123).WillByDefault(Return(123));
  ON_CALL(plugin, OnEvent124).WillByDefault(Return(124));
  ON_CALL(plugin, OnEvent125).WillByDefault(Return(125));
  ON_CALL(plugin, OnEvent126).WillByDefault(Return(126));
  ON_CALL(plugin, OnEvent127).WillByDefault(Return(127));
  ON_CALL(plugin, OnEvent128).WillByDefault(Return(128));
  ON_CALL(plugin, OnEvent129).WillByDefault(Return(129));
  ON_CALL(plugin, OnEvent130).WillByDefault(Return(130));
  ON_CALL(plugin, OnEvent140).WillByDefault(Return(140));
  ON_CALL(plugin, OnEvent141).WillByDefault(Return(141));
  for (int code : {120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 140, 141}) {
    EXPECT_EQ(DispatchEvent(plugin, kDocument, code, nullptr), code)
        << "event " << code << " reached another operation, or its result was not passed on";
  }
}

TEST(EventDispatchTest, MouseEventPassesPositionWheelAndPressure) {
  StrictMock<MockCommandPlugin> plugin;
  std::int32_t x = -12;
  std::int32_t y = 34;
  std::int32_t wheel = 120;
  float pressure = 0.75f;
  HostOptionBlock block;
  block.Add("scene", kScene)
      .Add("mouse_pos_x", &x)
      .Add("mouse_pos_y", &y)
      .Add("mouse_wheel", &wheel)
      .Add("pressure", &pressure);
  InputState state{};
  EXPECT_CALL(plugin, OnEvent125(kDocument, kScene, _))
      .WillOnce(DoAll(SaveArgPointee<2>(&state), Return(0)));
  DispatchEvent(plugin, kDocument, 125, block.data());
  EXPECT_EQ(state.pos_x, -12);
  EXPECT_EQ(state.pos_y, 34);
  EXPECT_EQ(state.wheel, 120);
  EXPECT_EQ(state.pressure, 0.75f);
}

TEST(EventDispatchTest, KeyEventCarriesKeyAndButtonsButNoPointerValues) {
  StrictMock<MockCommandPlugin> plugin;
  std::int32_t key = 65;
  std::int32_t buttons = 0x01;
  std::int32_t x = 50;
  float pressure = 0.5f;
  HostOptionBlock block;
  block.Add("scene", kScene)
      .Add("key", &key)
      .Add("button_state", &buttons)
      .Add("mouse_pos_x", &x)
      .Add("pressure", &pressure);
  InputState state{};
  EXPECT_CALL(plugin, OnEvent141(kDocument, kScene, 65, _))
      .WillOnce(DoAll(SaveArgPointee<3>(&state), Return(0)));
  DispatchEvent(plugin, kDocument, 141, block.data());
  EXPECT_EQ(state.pos_x, 0) << "key events carry no mouse position";
  EXPECT_EQ(state.pressure, 0.0f) << "key events carry no pressure";
  EXPECT_EQ(state.button_bit0, 1) << "key events carry the buttons";
}

struct ButtonRow {
  std::int32_t buttonState;
  std::int32_t expected[6];  // bit0, bit4, bit1, bit2, bit3, bit5
};

class ButtonOrderTest : public ::testing::TestWithParam<ButtonRow> {};

std::vector<std::int32_t> Buttons(const InputState& state) {
  return {state.button_bit0, state.button_bit4, state.button_bit1,
          state.button_bit2, state.button_bit3, state.button_bit5};
}

TEST_P(ButtonOrderTest, BooleansFollowTheHostsOrder) {
  NiceMock<MockCommandPlugin> plugin;
  std::int32_t buttons = GetParam().buttonState;
  HostOptionBlock block;
  block.Add("button_state", &buttons);
  InputState mouse{};
  InputState key{};
  EXPECT_CALL(plugin, OnEvent120).WillOnce(DoAll(SaveArgPointee<2>(&mouse), Return(0)));
  EXPECT_CALL(plugin, OnEvent140).WillOnce(DoAll(SaveArgPointee<3>(&key), Return(0)));
  DispatchEvent(plugin, kDocument, 120, block.data());
  DispatchEvent(plugin, kDocument, 140, block.data());
  const std::vector<std::int32_t> expected(GetParam().expected, GetParam().expected + 6);
  EXPECT_EQ(Buttons(mouse), expected) << "mouse buttons of state " << buttons << " misplaced";
  EXPECT_EQ(Buttons(key), expected) << "key buttons of state " << buttons << " misplaced";
}

INSTANTIATE_TEST_SUITE_P(States, ButtonOrderTest,
                         ::testing::Values(ButtonRow{0x3F, {1, 1, 1, 1, 1, 1}},
                                           ButtonRow{0x10, {0, 1, 0, 0, 0, 0}},
                                           ButtonRow{0x02, {0, 0, 1, 0, 0, 0}},
                                           ButtonRow{0x40, {0, 0, 0, 0, 0, 0}}));

TEST(EventDispatchTest, InputToStationThatIsNoCommandPluginAnswersZero) {
  StrictMock<MockStationPlugin> plugin;
  for (int code : {120, 125, 130, 140, 141}) {
    EXPECT_EQ(DispatchEvent(plugin, kDocument, code, nullptr), 0)
        << "input event " << code << " must not reach a plain station plug-in";
  }
}

// ---------------------------------------------------------------- import

TEST(EventDispatchTest, ImportEventsReachImportPlugins) {
  StrictMock<MockImportPlugin> plugin;
  std::int32_t background = 3;
  char args[] = "args";
  HostOptionBlock block;
  block.Add("background", &background).Add("args", args);
  EXPECT_CALL(plugin, OnEvent300()).WillOnce(Return(9));
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 300, nullptr), 9) << "300 answers its own result";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 301, block.data()), 1);
  EXPECT_EQ(plugin.background, 3) << "301 must store \"background\"";
  EXPECT_EQ(plugin.args, static_cast<void*>(args)) << "301 must store the \"args\" pointer";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 301, nullptr), 1);
  EXPECT_EQ(plugin.background, 0) << "an absent \"background\" must store 0";
  EXPECT_EQ(plugin.args, nullptr) << "an absent \"args\" must store null";
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 1, nullptr), 0)
      << "station events must not reach an import plug-in";
}

TEST(EventDispatchTest, StationPluginIgnoresImportEvents) {
  StrictMock<MockStationPlugin> plugin;
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 300, nullptr), 0);
  EXPECT_EQ(DispatchEvent(plugin, kDocument, 301, nullptr), 0);
}

// ---------------------------------------------------------------- this plug-in

const int kEveryCode[] = {1, 2, 3, 4, 100, 101, 102, 103, 104, 110, 120, 121, 122, 123, 124, 125,
                          126, 127, 128, 129, 130, 140, 141, 200, 201, 202, 210, 211, 212, 220, 221,
                          222, 230, 231, 240, 250, 300, 301,
                          // not recognised
                          0, -1, 5, 99, 105, 131, 142, 203, 302, INT_MAX, INT_MIN};

const char* const kEveryKey[] = {
    "index",       "result",   "src_product", "src_id",       "description", "message",
    "scene",       "width",    "height",      "button_state", "mouse_pos_x", "mouse_pos_y",
    "mouse_wheel", "pressure", "key",         "xml_elem",     "filename",    "save_uid",
    "state",       "size",     "trigger",     "background",   "args"};
constexpr std::size_t kKeyCount = sizeof kEveryKey / sizeof kEveryKey[0];

// A block holding every key, each with eight bytes of storage, so that any
// write into the block or behind its value pointers shows up as a change.
class EveryKeyBlock {
 public:
  EveryKeyBlock() {
    std::memset(storage_, 0xA5, sizeof storage_);
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      // "trigger" holds a recognised text, the other keys a byte pattern.
      if (std::strcmp(kEveryKey[i], "trigger") == 0) std::memcpy(storage_[i], "local", 6);
      block_.Add(kEveryKey[i], storage_[i]);
    }
    std::memcpy(storageBefore_, storage_, sizeof storage_);
    pairsBefore_ = block_.pairs();
  }
  void* data() { return block_.data(); }
  bool Unchanged() const {
    return std::memcmp(storageBefore_, storage_, sizeof storage_) == 0 &&
           block_.pairs() == pairsBefore_;
  }

 private:
  unsigned char storage_[kKeyCount][8];
  unsigned char storageBefore_[kKeyCount][8];
  HostOptionBlock block_;
  std::vector<void*> pairsBefore_;
};

class BlendforgeEventTest : public ::testing::TestWithParam<int> {};

TEST_P(BlendforgeEventTest, ObjectPluginAnswersZeroAndWritesNothing) {
  EveryKeyBlock block;
  EXPECT_EQ(DispatchEvent(GetPlugInObject(), kDocument, GetParam(), block.data()), 0)
      << "an object plug-in takes no event";
  EXPECT_TRUE(block.Unchanged()) << "event " << GetParam() << " wrote into the option block";
}

TEST_P(BlendforgeEventTest, ModuleExportAnswersZeroAndWritesNothing) {
  PluginModule module;
  EveryKeyBlock block;
  EXPECT_EQ(module.MQOnEvent()(kDocument, GetParam(), block.data()), 0)
      << "the module's MQOnEvent took an event";
  EXPECT_TRUE(block.Unchanged()) << "event " << GetParam() << " wrote into the option block";
}

INSTANTIATE_TEST_SUITE_P(EveryCode, BlendforgeEventTest, ::testing::ValuesIn(kEveryCode));

}  // namespace
