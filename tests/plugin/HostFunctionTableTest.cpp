#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/ModuleLoader.h"
#include "plugin/HostFunctionTable.h"
#include "tests/support/PluginModule.h"

namespace {

using Slots = std::vector<platform::EntryPoint>;

constexpr int kShowFileDialog = static_cast<int>(host::HostFunction::MQ_ShowFileDialog);
constexpr int kCanvasValue = static_cast<int>(host::HostFunction::MQCanvas_Value);

Slots CurrentSlots() { return Slots(std::begin(host::g_slots), std::end(host::g_slots)); }

// A host module held loaded by the test, so that the addresses bound from it
// stay comparable while the test looks at them.
using HeldModule = std::unique_ptr<void, decltype(&platform::CloseModule)>;

HeldModule Hold(const std::string& stem) {
  return HeldModule(platform::OpenModule(ModuleFile(stem).c_str()), &platform::CloseModule);
}

// Every test starts and ends with the reference host bound, so that later
// tests of this program find working slots.
class HostFunctionTableTest : public ::testing::Test {
 protected:
  void SetUp() override { BindReferenceHost(); }
  void TearDown() override { BindReferenceHost(); }

  static void BindReferenceHost() {
    // A host stays loaded while its plug-ins run; this program does not link
    // the reference host, so without the hold the slots would point into a
    // module that the binding has just released.
    static const HeldModule referenceHost = Hold("refhost");
    ASSERT_EQ(host::BindHostFunctions(ModuleFile("refhost").c_str()), 1)
        << "the reference host must export every host function";
  }
};

static_assert(kHostFunctionCount == 177, "the host interface has 177 functions");

TEST_F(HostFunctionTableTest, CompleteModuleBindsEverySlotAndIsReleased) {
  const std::string stub = ModuleFile("refhost_stub");
  ASSERT_TRUE(platform::IsModuleLoaded(ModuleFile("refhost").c_str()))
      << "the loaded check must see a module this program holds, or it proves nothing";
  ASSERT_FALSE(platform::IsModuleLoaded(stub.c_str())) << "the test needs a module not yet loaded";

  EXPECT_EQ(host::BindHostFunctions(stub.c_str()), 1);
  for (int i = 0; i < kHostFunctionCount; ++i) {
    EXPECT_NE(host::g_slots[i], nullptr) << host::kHostFunctionNames[i] << " was not bound";
  }
  EXPECT_FALSE(platform::IsModuleLoaded(stub.c_str()))
      << "binding must release the reference it took on the host module";
}

TEST_F(HostFunctionTableTest, MissingFourthNameStopsTheBindingThere) {
  const Slots before = CurrentSlots();
  const HeldModule variant = Hold("refhost_without_showfiledialog");
  ASSERT_NE(variant, nullptr);

  EXPECT_EQ(host::BindHostFunctions(ModuleFile("refhost_without_showfiledialog").c_str()), 0);
  for (int i = 0; i < kShowFileDialog; ++i) {
    EXPECT_EQ(host::g_slots[i],
              platform::FindEntryPoint(variant.get(), host::kHostFunctionNames[i]))
        << "names before the missing one are bound from the module: "
        << host::kHostFunctionNames[i];
  }
  EXPECT_EQ(host::g_slots[kShowFileDialog], nullptr) << "the missing name's slot must be null";
  const Slots after = CurrentSlots();
  EXPECT_TRUE(std::equal(after.begin() + kShowFileDialog + 1, after.end(),
                         before.begin() + kShowFileDialog + 1))
      << "binding stops at the missing name: later slots keep their earlier entry points";
}

TEST_F(HostFunctionTableTest, MissingLastNameLeavesOnlyItsSlotEmpty) {
  const HeldModule variant = Hold("refhost_without_canvas");
  ASSERT_NE(variant, nullptr);

  EXPECT_EQ(host::BindHostFunctions(ModuleFile("refhost_without_canvas").c_str()), 0)
      << "the binding is all or nothing, up to the last name";
  for (int i = 0; i < kCanvasValue; ++i) {
    EXPECT_EQ(host::g_slots[i],
              platform::FindEntryPoint(variant.get(), host::kHostFunctionNames[i]))
        << host::kHostFunctionNames[i];
  }
  EXPECT_EQ(host::g_slots[kCanvasValue], nullptr);
}

TEST_F(HostFunctionTableTest, UnloadablePathWritesNoSlot) {
  const Slots before = CurrentSlots();

  EXPECT_EQ(host::BindHostFunctions("./no-such-host-module"), 0);
  EXPECT_EQ(CurrentSlots(), before) << "a module that does not load must leave the table alone";
}

TEST_F(HostFunctionTableTest, BindingAgainRewritesTheSameEntryPoints) {
  const Slots referenceHost = CurrentSlots();
  ASSERT_EQ(host::BindHostFunctions(ModuleFile("refhost_stub").c_str()), 1);
  ASSERT_NE(CurrentSlots(), referenceHost) << "the stub module must give other entry points";

  EXPECT_EQ(host::BindHostFunctions(ModuleFile("refhost").c_str()), 1);
  EXPECT_EQ(CurrentSlots(), referenceHost) << "a later binding overwrites every slot it reaches";
}

TEST_F(HostFunctionTableTest, CompleteBindingCoversEveryCalledFunction) {
  EXPECT_TRUE(host::CalledFunctionsBound())
      << "after a complete binding a command must be allowed to call the host";
}

}  // namespace
