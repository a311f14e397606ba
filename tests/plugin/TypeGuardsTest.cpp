#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/TypeGuards.h"
#include "tests/support/TestPlugins.h"

namespace {

using ::testing::Return;
using ::testing::StrictMock;

const auto kDocument = reinterpret_cast<MQDocument>(0x1000);
const char* const kFilename = "model.obj";

class MenuStringTest : public ::testing::TestWithParam<int> {};

TEST_P(MenuStringTest, MenuTypesForwardEveryIndex) {
  StrictMock<MockMenuPlugin> plugin(GetParam());
  EXPECT_CALL(plugin, EnumString(2)).WillOnce(Return("second"));
  EXPECT_STREQ(EnumStringByType(plugin, 2), "second") << "a menu plug-in's index was not passed on";
}

INSTANTIATE_TEST_SUITE_P(Types3To5, MenuStringTest, ::testing::Values(3, 4, 5));

class SingleStringTest : public ::testing::TestWithParam<int> {};

TEST_P(SingleStringTest, OnlyIndexZeroReachesTheSingleString) {
  StrictMock<MockStationPlugin> plugin(GetParam());
  EXPECT_CALL(plugin, EnumString()).WillOnce(Return("station"));
  EXPECT_STREQ(EnumStringByType(plugin, 0), "station");
  EXPECT_EQ(EnumStringByType(plugin, 1), nullptr) << "a single-string plug-in has no index 1";
  EXPECT_EQ(EnumStringByType(plugin, -1), nullptr) << "a single-string plug-in has no index -1";
}

INSTANTIATE_TEST_SUITE_P(Types6And7, SingleStringTest, ::testing::Values(6, 7));

class NoStringTest : public ::testing::TestWithParam<int> {};

TEST_P(NoStringTest, OtherTypesGetNoMenuString) {
  StrictMock<MockMenuPlugin> plugin(GetParam());
  EXPECT_EQ(EnumStringByType(plugin, 0), nullptr) << "type " << GetParam() << " has no strings";
}

INSTANTIATE_TEST_SUITE_P(OutsideTheMenuTypes, NoStringTest, ::testing::Values(-1, 0, 1, 2, 8));

class FilePluginTest : public ::testing::TestWithParam<int> {};

TEST_P(FilePluginTest, FileTypesForwardStringsAndTheFileOperation) {
  StrictMock<MockImportPlugin> plugin(GetParam());
  EXPECT_CALL(plugin, EnumFileType(1)).WillOnce(Return("Wavefront (*.obj)"));
  EXPECT_CALL(plugin, EnumFileExt(1)).WillOnce(Return("obj"));
  EXPECT_CALL(plugin, ImportFile(3, kFilename, kDocument)).WillOnce(Return(1));
  EXPECT_STREQ(EnumFileTypeByType(plugin, 1), "Wavefront (*.obj)");
  EXPECT_STREQ(EnumFileExtByType(plugin, 1), "obj");
  EXPECT_EQ(FileOperationByType(plugin, 3, kFilename, kDocument), 1)
      << "the file operation's own result must reach the host";
}

INSTANTIATE_TEST_SUITE_P(Types1And2, FilePluginTest, ::testing::Values(1, 2));

class NonFileTypeTest : public ::testing::TestWithParam<int> {};

TEST_P(NonFileTypeTest, OtherTypesGetNoFileStringsOrOperation) {
  StrictMock<MockImportPlugin> plugin(GetParam());
  EXPECT_EQ(EnumFileTypeByType(plugin, 0), nullptr) << "type " << GetParam() << " is no file type";
  EXPECT_EQ(EnumFileExtByType(plugin, 0), nullptr) << "type " << GetParam() << " is no file type";
  EXPECT_EQ(FileOperationByType(plugin, 0, kFilename, kDocument), 0)
      << "type " << GetParam() << " must not reach a file operation";
}

INSTANTIATE_TEST_SUITE_P(OutsideTheFileTypes, NonFileTypeTest,
                         ::testing::Values(-1, 0, 3, 4, 5, 6, 7, 8));

// A type code that promises a kind the class is not must not lead to a call
// through a slot the object does not have.
TEST(TypeGuardsTest, ClassThatDoesNotMatchItsTypeGetsNothing) {
  StrictMock<MockMenuPlugin> menuClaimingSingleString(6);
  EXPECT_EQ(EnumStringByType(menuClaimingSingleString, 0), nullptr);

  StrictMock<MockStationPlugin> stationClaimingMenu(4);
  EXPECT_EQ(EnumStringByType(stationClaimingMenu, 0), nullptr);

  StrictMock<MockMenuPlugin> menuClaimingFile(1);
  EXPECT_EQ(EnumFileTypeByType(menuClaimingFile, 0), nullptr);
  EXPECT_EQ(EnumFileExtByType(menuClaimingFile, 0), nullptr);
  EXPECT_EQ(FileOperationByType(menuClaimingFile, 0, kFilename, kDocument), 0);

  StrictMock<MockImportPlugin> fileClaimingSingleString(7);
  EXPECT_EQ(EnumStringByType(fileClaimingSingleString, 0), nullptr);
}

}  // namespace
