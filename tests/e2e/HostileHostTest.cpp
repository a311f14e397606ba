#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "refhost/widgetservice/ScriptedDriver.h"
#include "refhost/widgetservice/WidgetService.h"
#include "tests/support/HostDocumentTest.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/PluginModule.h"

namespace {

using refhost::DialogAction;
using refhost::DialogSession;
using ::testing::IsEmpty;

// Every position of a document as one line: the name and the exact bits of
// each vertex, so that any change the plug-in makes shows as a differing line.
using Snapshot = std::vector<std::string>;

std::string VertexBits(const refhost::Object& object) {
  std::string text;
  for (const MQPoint& point : object.vertices()) {
    char bits[16];
    for (const std::uint32_t coordinate : BitsOf(point)) {
      std::snprintf(bits, sizeof bits, " %08x", static_cast<unsigned>(coordinate));
      text += bits;
    }
  }
  return text;
}

std::string Describe(const refhost::Object* object) {
  return object == nullptr ? "(empty)" : object->name() + VertexBits(*object);
}

Snapshot Take(const refhost::Document& document) {
  Snapshot lines;
  for (int index = 0; index < document.ObjectCount(); ++index) {
    lines.push_back(Describe(document.ObjectAt(index)));
  }
  return lines;
}

// `after` with the line at `index` taken out.
Snapshot Without(Snapshot after, std::size_t index) {
  if (index < after.size()) after.erase(after.begin() + static_cast<std::ptrdiff_t>(index));
  return after;
}

// The built module bound to the reference host, run against hosts that
// misbehave in one way each. Whatever the host does, the plug-in answers as
// documented, uses the host soundly, and changes the document by at most
// the one object it inserts; HostDocumentTest checks that it used the host soundly.
class HostileHostTest : public HostDocumentTest {
 protected:
  void SetUp() override {
    HostDocumentTest::SetUp();
    ASSERT_EQ(plugin.MQCheckVersion()(0x4400), 0x440u);
    ASSERT_EQ(plugin.MQInit()(ModuleFile("refhost").c_str()), 1);
    base = &AddUsedMesh(document(), "body", {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}});
    document().SetCurrentIndex(base->index());
    smile = &AddUsedMesh(document(), "elem:smile-body", {{0, 1, 0}, {1, 1, 1}, {2, 2, 3}});
    AddUsedMesh(document(), "hat", {{5, 5, 5}});
  }

  static refhost::WidgetService& widgets() { return refhost::WidgetService::Instance(); }
  static refhost::WidgetFaults& widgetFaults() { return widgets().faults(); }

  void Answer(std::vector<DialogAction> actions) {
    widgets().SetDriver(std::make_shared<refhost::ScriptedDriver>(std::move(actions)));
  }

  // Runs the command and checks that it answered `expected`; with 0 the
  // document must be as `before`, with 1 it must be `before` plus one object
  // right after the base. Returns the inserted object, null for none.
  const refhost::Object* RunAndCheck(int expected, const Snapshot& before) {
    const int answer = plugin.MQModifyObject()(0, document().handle());
    EXPECT_EQ(answer, expected) << "the command gave an answer it does not document";
    const Snapshot after = Take(document());
    if (answer != 1) {
      EXPECT_EQ(after, before) << "a command that answered 0 changed the document";
      return nullptr;
    }
    const int inserted = InsertedIndex(before);
    EXPECT_EQ(Without(after, static_cast<std::size_t>(inserted)), before)
        << "the command changed the document beyond inserting one object";
    return document().ObjectAt(inserted);
  }

  // Where the new object lands: after the base, or at the end when the
  // document no longer holds the base.
  int InsertedIndex(const Snapshot& before) const {
    const int baseIndex = base->index();
    return baseIndex >= 0 ? baseIndex + 1 : static_cast<int>(before.size());
  }

  // Makes the host answer `object`'s unique ID for the first item of list box `ordinal`.
  static void RetagFirstItem(DialogSession& session, int ordinal, const refhost::Object& object) {
    const int listBox = session.Find("listbox", ordinal)->id;
    widgets().FindMutable(listBox)->items.at(0).tag = static_cast<std::uint64_t>(object.uniqueID());
  }

  PluginModule plugin;
  refhost::Object* base = nullptr;
  refhost::Object* smile = nullptr;
};

struct WidgetFaultCase {
  const char* name;
  bool refhost::WidgetFaults::*fault;
  int answer;           // what the command answers with the default button pressed
  const char* newName;  // the inserted object's name, null when none is inserted
};

// Named, so that GoogleTest does not print the case's bytes, padding and all.
void PrintTo(const WidgetFaultCase& faultCase, std::ostream* out) { *out << faultCase.name; }

class HostileWidgetServiceTest : public HostileHostTest,
                                 public ::testing::WithParamInterface<WidgetFaultCase> {};

TEST_P(HostileWidgetServiceTest, CommandAnswersAsDocumentedAndKeepsTheDocument) {
  widgetFaults().*GetParam().fault = true;
  Answer({DialogAction::Press(u"OK")});

  const refhost::Object* added = RunAndCheck(GetParam().answer, Take(document()));
  if (GetParam().newName == nullptr) return;
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->name(), GetParam().newName) << "the name box was read back wrongly";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HostileWidgetServiceTest,
    ::testing::Values(
        // No modal result comes back, so the dialog counts as not confirmed.
        WidgetFaultCase{"NoOutValues", &refhost::WidgetFaults::writeNoOutValues, 0, nullptr},
        // The dialog has identifier 0; running it reports no result.
        WidgetFaultCase{"CreationFails", &refhost::WidgetFaults::createFails, 0, nullptr},
        // The dialog has no parent window but still runs and is confirmed.
        WidgetFaultCase{"NoMainWindow", &refhost::WidgetFaults::noMainWindow, 1, "elem:new-body"},
        // The edit box reads back empty: the new object has an empty name.
        WidgetFaultCase{"NegativeTextLength", &refhost::WidgetFaults::negativeTextLength, 1, ""},
        // The plug-in reads no further than the length the host reported.
        WidgetFaultCase{"UnterminatedText", &refhost::WidgetFaults::unterminatedText, 1,
                        "elem:new-body"}),
    [](const ::testing::TestParamInfo<WidgetFaultCase>& info) {
      return std::string(info.param.name);
    });

TEST_F(HostileHostTest, UnterminatedLongNamesAreCutToTheBuffer) {
  const std::string longCore(300, 'b');
  base->SetName(longCore);
  smile->SetName("elem:smile-" + longCore);
  referenceHost().faults().unterminatedNames = true;
  Answer({DialogAction::Press(u"OK")});

  const refhost::Object* added = RunAndCheck(1, Take(document()));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->name(), "elem:new-" + longCore.substr(0, 250))
      << "the proposal must come from the base name as cut to the 250-byte buffer";
}

TEST_F(HostileHostTest, TargetRemovedWhileTheDialogIsOpenContributesNothing) {
  Snapshot before;
  Answer({DialogAction::SelectItem(1, 0), DialogAction::SelectItem(2, 0),
          DialogAction::Run([&](DialogSession&) {
            document().Remove(*smile);
            before = Take(document());
          }),
          DialogAction::Press(u"OK")});

  const refhost::Object* added = RunAndCheck(1, before);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->name(), "elem:new-body");
  EXPECT_EQ(VertexBits(*added), VertexBits(*base))
      << "a vanished target must leave the copy of the base unmoved";
}

TEST_F(HostileHostTest, BaseRemovedWhileTheDialogIsOpenStillGivesOneObject) {
  Snapshot before;
  Answer({DialogAction::SelectItem(1, 0), DialogAction::Run([&](DialogSession&) {
            document().Remove(*base);
            before = Take(document());
          }),
          DialogAction::SetPosition(2, 0), DialogAction::Press(u"OK")});

  const refhost::Object* added = RunAndCheck(1, before);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->name(), "elem:new-body");
  EXPECT_EQ(VertexBits(*added), VertexBits(*smile))
      << "the base object still exists, so the first target's offset from it applies in full";
}

// The host answers the list items' tags with the unique IDs of objects whose
// vertex counts differ from the base's: such targets contribute nothing.
TEST_F(HostileHostTest, TargetByUniqueIDWithAnotherVertexCountContributesNothing) {
  const refhost::Object& larger =
      AddUsedMesh(document(), "elem:big-body", {{0, 0, 1}, {1, 1, 1}, {2, 2, 2}, {9, 9, 9}});
  const refhost::Object& smaller = AddUsedMesh(document(), "elem:small-body", {{0, 0, 1}});
  Answer({DialogAction::SelectItem(1, 0), DialogAction::SelectItem(2, 0),
          DialogAction::Run([&](DialogSession& session) {
            RetagFirstItem(session, 1, larger);
            RetagFirstItem(session, 2, smaller);
          }),
          DialogAction::Press(u"OK")});

  const refhost::Object* added = RunAndCheck(1, Take(document()));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(VertexBits(*added), VertexBits(*base))
      << "a target of another vertex count must not be indexed by the base's vertices";
}

struct PartialHost {
  const char* name;
  const char* module;
};

class PartlyBoundTest : public HostDocumentTest,
                        public ::testing::WithParamInterface<PartialHost> {};

// A host whose MQInit failed gets 0 from the command, and the command calls
// neither the widget service nor the document of the reference host.
TEST_P(PartlyBoundTest, CommandAfterFailedInitAnswersZero) {
  // The host keeps its own module loaded while plug-ins use it.
  const std::string hostPath = ModuleFile(GetParam().module);
  platform::ModuleHandle hostModule = platform::OpenModule(hostPath.c_str());
  PluginModule plugin;
  refhost::Object& base = AddMeshOfSize(document(), "body", 2);
  document().SetCurrentIndex(base.index());
  const Snapshot before = Take(document());
  referenceHost().SetRecording(true);

  EXPECT_EQ(plugin.MQInit()(hostPath.c_str()), 0) << "the binding must report the missing name";
  EXPECT_EQ(plugin.MQModifyObject()(0, document().handle()), 0)
      << "a command on a host that failed to bind must refuse";
  EXPECT_EQ(Take(document()), before);
  EXPECT_THAT(referenceHost().calls(), IsEmpty()) << "the command reached the document";
  EXPECT_THAT(refhost::WidgetService::Instance().calls(), IsEmpty())
      << "the command reached the widget service";
  if (hostModule != nullptr) platform::CloseModule(hostModule);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, PartlyBoundTest,
    ::testing::Values(PartialHost{"FourthNameMissing", "refhost_without_showfiledialog"},
                      PartialHost{"LastNameMissing", "refhost_without_canvas"},
                      PartialHost{"NotLoadable", "no_such_host"}),
    [](const ::testing::TestParamInfo<PartialHost>& info) { return std::string(info.param.name); });

}  // namespace
