#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "tests/widgets/DoubleBits.h"
#include "tests/widgets/WidgetTest.h"
#include "widgets/MQDoubleSpinBox.h"

namespace {

struct SpinValue {
  const char* key;
  std::function<void(MQDoubleSpinBox&, double)> set;
};

const SpinValue kValues[] = {
    {"min", [](MQDoubleSpinBox& spin, double value) { spin.SetMin(value); }},
    {"max", [](MQDoubleSpinBox& spin, double value) { spin.SetMax(value); }},
    {"increment", [](MQDoubleSpinBox& spin, double value) { spin.SetIncrement(value); }},
    {"position", [](MQDoubleSpinBox& spin, double value) { spin.SetPosition(value); }},
};

class MQDoubleSpinBoxValueTest : public WidgetTest,
                                 public ::testing::WithParamInterface<SpinValue> {};

TEST_P(MQDoubleSpinBoxValueTest, ValueReachesTheHostBitForBit) {
  MQDoubleSpinBox spin;
  // Not representable in fewer bits: any narrowing on the way would show.
  const double value = -0.1;

  GetParam().set(spin, value);

  const double* stored = service().Find(spin.GetID())->Property<double>(GetParam().key);
  ASSERT_NE(stored, nullptr) << "the value must arrive as a double";
  EXPECT_EQ(Bits(*stored), Bits(value)) << "a double must go by address, unchanged";
}

INSTANTIATE_TEST_SUITE_P(Values, MQDoubleSpinBoxValueTest, ::testing::ValuesIn(kValues),
                         [](const auto& info) { return std::string(info.param.key); });

using MQDoubleSpinBoxTest = WidgetTest;

TEST_F(MQDoubleSpinBoxTest, PositionReadsBackWhatTheHostHolds) {
  MQDoubleSpinBox spin;
  spin.SetPosition(150.0);
  service().FindMutable(spin.GetID())->properties["position"] = -50.0;

  EXPECT_EQ(Bits(spin.GetPosition()), Bits(-50.0)) << "the host's position, not the one last set";
}

}  // namespace
