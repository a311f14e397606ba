#include <gtest/gtest.h>

#include "abi/MorphNaming.h"

namespace {

struct CoreNameCase {
  const char* name;
  const char* coreName;
};

class CoreNameTest : public ::testing::TestWithParam<CoreNameCase> {};

TEST_P(CoreNameTest, CutsAfterFirstColonAndBeforeALateDash) {
  EXPECT_EQ(GetCoreName(GetParam().name), GetParam().coreName)
      << "a wrong core name pairs the base with another object's morph targets";
}

INSTANTIATE_TEST_SUITE_P(
    Names, CoreNameTest,
    ::testing::Values(CoreNameCase{"body", "body"}, CoreNameCase{"obj:body", "body"},
                      CoreNameCase{"body-L", "body"}, CoreNameCase{"ab-c", "ab"},
                      CoreNameCase{"a-b", "a-b"}, CoreNameCase{"-body", "-body"},
                      CoreNameCase{"x:-y", "-y"}, CoreNameCase{"obj:a-b", "a-b"},
                      CoreNameCase{"obj:ab-c", "ab"}, CoreNameCase{"a:b:c", "b:c"},
                      CoreNameCase{"elem:smile-body", "smile"}, CoreNameCase{"name:", ""},
                      CoreNameCase{"", ""}));

struct TargetNameCase {
  const char* coreName;
  const char* name;
  bool isTarget;
};

class TargetNameTest : public ::testing::TestWithParam<TargetNameCase> {};

TEST_P(TargetNameTest, NeedsPrefixAndCoreNameAfterFirstDash) {
  const TargetNameCase& c = GetParam();
  EXPECT_EQ(IsMorphTargetName(c.coreName, c.name), c.isTarget)
      << "a wrong answer offers a foreign object as a target, or hides a real one";
}

INSTANTIATE_TEST_SUITE_P(Names, TargetNameTest,
                         ::testing::Values(TargetNameCase{"body", "elem:smile-body", true},
                                           TargetNameCase{"body", "elem:-body", true},
                                           TargetNameCase{"body", "elem:smile-bod", false},
                                           TargetNameCase{"body", "elem:smile-bodyx", false},
                                           TargetNameCase{"body", "Elem:smile-body", false},
                                           TargetNameCase{"body", "smile-body", false},
                                           TargetNameCase{"body", "elem:a-b-body", false},
                                           TargetNameCase{"b-body", "elem:a-b-body", true},
                                           TargetNameCase{"body", "elem:smilebody", false},
                                           TargetNameCase{"body", "elem", false},
                                           TargetNameCase{"", "elem:x-", true},
                                           TargetNameCase{"", "elem:x-y", false},
                                           TargetNameCase{"", "elem:", false}));

TEST(ComposeTargetNameTest, JoinsPrefixMorphNameDashAndCoreName) {
  EXPECT_EQ(ComposeTargetName("new", "body"), "elem:new-body");
  EXPECT_TRUE(IsMorphTargetName("body", ComposeTargetName("new", "body")))
      << "a composed name must be a target name of its core name";
}

}  // namespace
