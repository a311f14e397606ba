#include <gtest/gtest.h>

#include "widgets/MQWidgetBase.h"
#include "widgets/WidgetRegistry.h"

namespace {

// Unbound wrappers register nothing themselves, so the test alone fills the
// registry under an identifier no host issues.
constexpr WidgetID kID = -77;

TEST(WidgetRegistryTest, FirstEntryForAnIdentifierStays) {
  WidgetRegistry& registry = WidgetRegistry::Instance();
  const std::size_t before = registry.Count();
  MQWidgetBase first;
  MQWidgetBase second;

  registry.Insert(kID, &first);
  registry.Insert(kID, &second);

  EXPECT_EQ(registry.Find(kID), &first) << "a later insertion must not replace the entry";
  EXPECT_EQ(registry.Count(), before + 1) << "one identifier holds one entry";
  registry.Remove(kID);
  EXPECT_EQ(registry.Find(kID), nullptr) << "removal by key takes whichever entry holds it";
  EXPECT_EQ(registry.Count(), before);
}

TEST(WidgetRegistryTest, RemovingAnAbsentKeyChangesNothing) {
  WidgetRegistry& registry = WidgetRegistry::Instance();
  MQWidgetBase widget;
  registry.Insert(kID, &widget);

  registry.Remove(kID + 1);

  EXPECT_EQ(registry.Find(kID), &widget) << "only the named key may be removed";
  registry.Remove(kID);
}

}  // namespace
