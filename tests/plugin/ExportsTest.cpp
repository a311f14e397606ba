#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "tests/support/PluginModule.h"

namespace {

class ExportsTest : public ::testing::Test {
 protected:
  PluginModule plugin;
};

TEST_F(ExportsTest, VersionAnswerStartsAtHostVersion4400) {
  EXPECT_EQ(plugin.MQCheckVersion()(0x43FF), 0u) << "one below the oldest supported host";
  EXPECT_EQ(plugin.MQCheckVersion()(0x440), 0u) << "the threshold is 0x4400, not 0x440";
  EXPECT_EQ(plugin.MQCheckVersion()(0x4400), 0x440u);
  EXPECT_EQ(plugin.MQCheckVersion()(UINT32_MAX), 0x440u) << "compared unsigned";
}

TEST_F(ExportsTest, IdentityIsFixed) {
  std::uint32_t product = 0;
  std::uint32_t id = 0;
  plugin.MQGetPlugInID()(&product, &id);
  EXPECT_EQ(product, 0xE3F7A830u);
  EXPECT_EQ(id, 0xBD9A1885u);
  EXPECT_EQ(plugin.MQGetPlugInType()(), 4);
  EXPECT_EQ(std::strncmp(plugin.MQGetPlugInName()(), "Blendforge ver.1.0 ", 19), 0);
}

TEST_F(ExportsTest, OneMenuStringAtIndexZero) {
  EXPECT_STREQ(plugin.MQEnumString()(0), "Blendforge");
  EXPECT_EQ(plugin.MQEnumString()(1), nullptr);
  EXPECT_EQ(plugin.MQEnumString()(-1), nullptr);
}

TEST_F(ExportsTest, ObjectPlugInOffersNoFileOperations) {
  EXPECT_EQ(plugin.MQEnumFileType()(0), nullptr);
  EXPECT_EQ(plugin.MQEnumFileExt()(0), nullptr);
  EXPECT_EQ(plugin.MQImportFile()(0, "model.obj", nullptr), 0);
  EXPECT_EQ(plugin.MQExportFile()(0, "model.obj", nullptr), 0);
}

TEST_F(ExportsTest, MenuCommandBeforeBindingRefusesWithoutCallingTheHost) {
  // No MQInit has bound the host table in this process: a command that called
  // through a null slot would crash here.
  const auto fakeDocument = reinterpret_cast<MQDocument>(0x1000);
  EXPECT_EQ(plugin.MQModifyObject()(0, fakeDocument), 0);
  EXPECT_EQ(plugin.MQCreate()(0, fakeDocument), 0);
  EXPECT_EQ(plugin.MQModifySelect()(0, fakeDocument), 0);
}

TEST_F(ExportsTest, InitWithUnloadablePathFails) {
  EXPECT_EQ(plugin.MQInit()("./no-such-host-module"), 0);
}

}  // namespace
