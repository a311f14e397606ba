#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "tests/widgets/DoubleBits.h"
#include "tests/widgets/FailingAllocator.h"
#include "tests/widgets/WidgetCallSpy.h"
#include "tests/widgets/WidgetTest.h"
#include "widgets/MQButton.h"
#include "widgets/MQFrame.h"
#include "widgets/MQWidgetBase.h"
#include "widgets/WidgetRegistry.h"

namespace {

using MQWidgetBaseTest = WidgetTest;

// An identifier the reference host never issues, for wrappers of host-owned widgets.
constexpr WidgetID kHostOwnedID = 4242;

WidgetRegistry& Registry() { return WidgetRegistry::Instance(); }

TEST_F(MQWidgetBaseTest, UnboundWrapperRegistersAndDestroysNothing) {
  const std::size_t before = Registry().Count();
  {
    MQWidgetBase unbound;
    EXPECT_EQ(unbound.GetID(), 0);
    EXPECT_EQ(Registry().Count(), before) << "identifier 0 must never be registered";
  }
  EXPECT_EQ(Registry().Count(), before)
      << "destroying an unbound wrapper must not touch the registry";
  EXPECT_TRUE(calls().empty()) << "an unbound wrapper has nothing to tell the host";
}

TEST_F(MQWidgetBaseTest, WrappedWidgetLeavesTheRegistryWithoutDestroy) {
  {
    MQWidgetBase wrapped(kHostOwnedID);
    EXPECT_EQ(Registry().Find(kHostOwnedID), &wrapped) << "a wrapped widget must be findable";
  }
  EXPECT_EQ(Registry().Find(kHostOwnedID), nullptr) << "a dead wrapper must not stay findable";
  EXPECT_TRUE(calls().empty()) << "a host-owned widget must never be destroyed by the plug-in";
}

TEST_F(MQWidgetBaseTest, OwnedWidgetLeavesTheRegistryBeforeDestroyIsSent) {
  std::vector<bool> registeredAtDestroy;
  WidgetCallSpy spy([&](int id, WidgetOp code, void**) {
    if (code == WidgetOp::Destroy) registeredAtDestroy.push_back(Registry().Find(id) != nullptr);
  });
  WidgetID id = 0;
  {
    MQFrame frame;
    id = frame.GetID();
    ASSERT_NE(id, 0) << "the reference host creates every kind";
    EXPECT_EQ(Registry().Find(id), &frame) << "a created widget must be registered";
  }

  EXPECT_EQ(registeredAtDestroy, std::vector<bool>{false})
      << "one Destroy, sent only after the entry is gone";
  ASSERT_EQ(DestroyedTargets(), std::vector<int>{id});
  EXPECT_TRUE(calls().back().pairs.empty()) << "Destroy carries only the terminating null slot";
  EXPECT_TRUE(service().Find(id)->destroyed) << "the host widget must be gone";
}

TEST_F(MQWidgetBaseTest, FailedCreateLeavesTheWrapperUnbound) {
  faults().createFails = true;
  const std::size_t before = Registry().Count();
  {
    MQButton button;
    EXPECT_EQ(button.GetID(), 0) << "no identifier came back";
    EXPECT_EQ(Registry().Count(), before) << "an unbound wrapper must not be registered";
  }
  EXPECT_TRUE(DestroyedTargets().empty()) << "nothing was created, so nothing may be destroyed";
}

TEST_F(MQWidgetBaseTest, FailedRegistrationDestroysTheNewHostWidget) {
  WidgetCallSpy spy([](int, WidgetOp code, void**) {
    if (code == WidgetOp::Create) FailNextAllocation();
  });

  EXPECT_THROW(MQFrame(), std::bad_alloc) << "the allocation error must reach the creator";

  ASSERT_EQ(service().CreatedOfKind("frame").size(), 1u);
  const refhost::Widget* frame = service().CreatedOfKind("frame").front();
  EXPECT_TRUE(frame->destroyed) << "a widget that no wrapper holds would leak in the host";
  EXPECT_EQ(Registry().Find(frame->id), nullptr) << "no entry may point at the dead wrapper";
}

struct SharedID {
  const char* name;
  bool destroyFirstWrapper;
};

class SharedIDTest : public WidgetTest, public ::testing::WithParamInterface<SharedID> {};

TEST_P(SharedIDTest, EitherWrapperOfAnIdentifierRemovesTheEntry) {
  auto first = std::make_unique<MQWidgetBase>(kHostOwnedID);
  auto second = std::make_unique<MQWidgetBase>(kHostOwnedID);
  EXPECT_EQ(Registry().Find(kHostOwnedID), first.get()) << "the first registration must win";

  (GetParam().destroyFirstWrapper ? first : second).reset();

  EXPECT_EQ(Registry().Find(kHostOwnedID), nullptr) << "removal is by key, whoever holds it";
}

INSTANTIATE_TEST_SUITE_P(Wrappers, SharedIDTest,
                         ::testing::Values(SharedID{"FirstDestroyed", true},
                                           SharedID{"SecondDestroyed", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MQWidgetBaseTest, AddChildOfNullSendsNothing) {
  MQFrame frame;
  service().ClearRecord();

  EXPECT_EQ(frame.AddChild(nullptr), -1) << "a null child must be refused as -1";
  EXPECT_TRUE(calls().empty()) << "a null child must not reach the host";
}

TEST_F(MQWidgetBaseTest, AddChildPlacesTheChildAndPassesOnTheHostStatus) {
  MQFrame frame;
  MQButton button;

  EXPECT_EQ(frame.AddChild(&button), 0) << "the reference host reports 0 for a placed child";

  EXPECT_EQ(calls().back().target, frame.GetID()) << "AddChild goes to the parent";
  EXPECT_EQ(calls().back().Value("child"), std::to_string(button.GetID()));
  EXPECT_EQ(service().Find(button.GetID())->parent, frame.GetID());
}

TEST_F(MQWidgetBaseTest, MainWindowIDComesFromTheHost) {
  EXPECT_EQ(MQWidgetBase::GetMainWindowID(), refhost::WidgetService::kMainWindowID);
  ASSERT_EQ(calls().size(), 1u);
  EXPECT_EQ(calls().front().target, 0) << "GetSystem addresses no widget";
  EXPECT_EQ(calls().front().Value("system"), "\"main_window\"");

  faults().noMainWindow = true;
  EXPECT_EQ(MQWidgetBase::GetMainWindowID(), -1) << "an unanswered lookup must yield -1";
}

TEST_F(MQWidgetBaseTest, LayoutValuesReachTheHost) {
  MQButton button;
  button.SetHorzLayout("fill");
  button.SetVertLayout("fill");
  button.SetFillBeforeRate(80.0);

  const refhost::Widget& host = *service().Find(button.GetID());
  ASSERT_NE(host.Property<std::string>("horzlayout"), nullptr);
  EXPECT_EQ(*host.Property<std::string>("horzlayout"), "fill");
  ASSERT_NE(host.Property<std::string>("vertlayout"), nullptr);
  EXPECT_EQ(*host.Property<std::string>("vertlayout"), "fill");
  ASSERT_NE(host.Property<double>("fillbeforerate"), nullptr);
  EXPECT_EQ(Bits(*host.Property<double>("fillbeforerate")), Bits(80.0))
      << "a double must go by address, read back bit for bit";
}

}  // namespace
