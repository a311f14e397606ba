#include <gtest/gtest.h>

#include "merge/PluginObject.h"

namespace {

// A program of its own: it must be the first code in the process to touch
// the plug-in object.
TEST(PluginObjectTest, FirstUseCreatesOneObjectWithEmptyMergeSettings) {
  ASSERT_FALSE(IsPlugInObjectConstructed()) << "nothing may create the object before first use";

  Blendforge& first = GetPlugInObject();
  EXPECT_TRUE(IsPlugInObjectConstructed());
  EXPECT_EQ(first.document.handle(), nullptr);
  for (const cmq::CMQObject* handle : {&first.base, &first.target1, &first.target2}) {
    EXPECT_EQ(handle->object(), nullptr) << "object handles start empty";
    EXPECT_EQ(handle->document(), nullptr) << "object handles start empty";
  }
  EXPECT_EQ(first.weight1, 0.0);
  EXPECT_EQ(first.weight2, 0.0);
  EXPECT_TRUE(first.newName.empty());

  EXPECT_EQ(&GetPlugInObject(), &first) << "a second call must not create another object";
}

TEST(PluginObjectTest, MenuCommandOtherThanZeroLeavesTheDocumentAlone) {
  Blendforge& plugin = GetPlugInObject();
  const auto earlier = reinterpret_cast<MQDocument>(0x1000);
  const auto later = reinterpret_cast<MQDocument>(0x2000);
  plugin.document = cmq::CMQDocument(earlier);

  EXPECT_EQ(plugin.ModifyObject(1, later), 0);
  EXPECT_EQ(plugin.ModifyObject(-1, later), 0);
  EXPECT_EQ(plugin.document.handle(), earlier) << "a refused index must not store the document";

  EXPECT_EQ(plugin.ModifyObject(0, later), 0) << "the host table is unbound here";
  EXPECT_EQ(plugin.document.handle(), later) << "index 0 stores the document first";
}

}  // namespace
