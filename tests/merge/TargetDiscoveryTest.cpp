#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "abi/MorphNaming.h"
#include "merge/Blendforge.h"
#include "tests/support/HostDocumentTest.h"
#include "tests/support/MeshBuilder.h"

namespace {

class TargetDiscoveryTest : public HostDocumentTest {
 protected:
  // Makes `object` the base of the plug-in's next naming call.
  void UseAsBase(const refhost::Object& object) {
    plugin.document = cmq::CMQDocument(document().handle());
    plugin.base = HandleOf(document(), object);
  }

  std::vector<std::string> ListedNames() const {
    std::vector<std::string> names;
    for (const cmq::CMQObject& target : plugin.ListMorphTargets()) {
      names.push_back(target.GetName());
    }
    return names;
  }

  std::vector<int> ListedIndexes() const {
    std::vector<int> indexes;
    for (const cmq::CMQObject& target : plugin.ListMorphTargets()) {
      indexes.push_back(HOST_FN(MQDoc_GetObjectIndex)(target.document(), target.object()));
    }
    return indexes;
  }

  Blendforge plugin;
};

using Names = std::vector<std::string>;

TEST_F(TargetDiscoveryTest, ListsOnlyWellNamedTargetsWithTheBaseVertexCount) {
  UseAsBase(AddMeshOfSize(document(), "body", 100));
  AddMeshOfSize(document(), "elem:smile-body", 100);
  AddMeshOfSize(document(), "elem:blink-body", 98);
  AddMeshOfSize(document(), "elem:smile-bod", 100);
  AddMeshOfSize(document(), "Elem:x-body", 100);
  AddMeshOfSize(document(), "elem:a-b-body", 100);
  AddMeshOfSize(document(), "smile-body", 100);

  EXPECT_EQ(ListedNames(), Names{"elem:smile-body"})
      << "a wrong vertex count, a wrong core name, a wrong prefix or a dash in the morph name "
         "must each keep an object off the list";
}

TEST_F(TargetDiscoveryTest, BaseIsExcludedByReferenceEvenWhenItsNameMatches) {
  UseAsBase(AddMeshOfSize(document(), "elem:ab-ab", 3));
  AddMeshOfSize(document(), "elem:x-ab", 3);

  EXPECT_EQ(ListedNames(), Names{"elem:x-ab"}) << "the base must never be its own target";
}

TEST_F(TargetDiscoveryTest, TargetsWithTheSameNameAreListedInIndexOrder) {
  AddMeshOfSize(document(), "elem:smile-body", 2);
  UseAsBase(AddMeshOfSize(document(), "body", 2));
  AddMeshOfSize(document(), "elem:smile-body", 2);

  EXPECT_EQ(ListedIndexes(), (std::vector<int>{0, 2}))
      << "both namesakes must be offered, before and after the base, in document order";
}

TEST_F(TargetDiscoveryTest, EmptySlotsAndRemovedObjectsAreSkipped) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));
  document().AddEmptyPosition();
  refhost::Object& removed = AddMeshOfSize(document(), "elem:gone-body", 1);
  AddMeshOfSize(document(), "elem:kept-body", 1);
  document().Remove(removed);

  EXPECT_EQ(ListedNames(), Names{"elem:kept-body"})
      << "an object the document no longer holds must not be offered";
}

struct BaseNameCase {
  const char* baseName;
  Names objectNames;
  Names listed;
};

class TargetNamesOfBaseTest : public TargetDiscoveryTest,
                              public ::testing::WithParamInterface<BaseNameCase> {};

TEST_P(TargetNamesOfBaseTest, ListsTheTargetsOfTheCoreName) {
  UseAsBase(AddMeshOfSize(document(), GetParam().baseName, 1));
  for (const std::string& name : GetParam().objectNames) AddMeshOfSize(document(), name, 1);

  EXPECT_EQ(ListedNames(), GetParam().listed)
      << "targets are matched on the base's core name, not its full name";
}

INSTANTIATE_TEST_SUITE_P(
    CoreNames, TargetNamesOfBaseTest,
    ::testing::Values(BaseNameCase{"body", {"elem:-body", "elem:body"}, {"elem:-body"}},
                      BaseNameCase{"obj:body", {"elem:m-body", "elem:m-obj:body"}, {"elem:m-body"}},
                      BaseNameCase{
                          "", {"elem:x-", "elem:x-y", "elem:-", "x-"}, {"elem:x-", "elem:-"}}));

TEST_F(TargetDiscoveryTest, AnyHeldObjectMakesItsNameUsed) {
  refhost::Object& base = AddMeshOfSize(document(), "body", 2);
  UseAsBase(base);
  AddMeshOfSize(document(), "elem:smile-body", 5);
  document().AddEmptyPosition();
  refhost::Object& removed = AddMeshOfSize(document(), "gone", 2);
  document().Remove(removed);

  EXPECT_TRUE(plugin.IsObjectNameUsed("body")) << "the base's own name is taken";
  EXPECT_TRUE(plugin.IsObjectNameUsed("elem:smile-body")) << "a non-target's name is taken";
  EXPECT_FALSE(plugin.IsObjectNameUsed("gone")) << "a removed object bears no name in the document";
  EXPECT_FALSE(plugin.IsObjectNameUsed("Body")) << "names are compared byte for byte";
  EXPECT_FALSE(plugin.IsObjectNameUsed("")) << "no object is named with the empty string";
}

struct UniqueNameCase {
  const char* baseName;
  Names takenNames;
  const char* proposal;
};

class UniqueTargetNameTest : public TargetDiscoveryTest,
                             public ::testing::WithParamInterface<UniqueNameCase> {};

TEST_P(UniqueTargetNameTest, ProposesTheFirstFreeCounter) {
  UseAsBase(AddMeshOfSize(document(), GetParam().baseName, 1));
  // Taken names count whatever the objects are: these have another vertex count.
  for (const std::string& name : GetParam().takenNames) AddMeshOfSize(document(), name, 7);

  EXPECT_EQ(plugin.MakeUniqueTargetName("new"), GetParam().proposal)
      << "the proposal must be free and use the lowest counter from 1";
}

INSTANTIATE_TEST_SUITE_P(
    Counters, UniqueTargetNameTest,
    ::testing::Values(UniqueNameCase{"body", {}, "elem:new-body"},
                      UniqueNameCase{"body", {"elem:new-body", "elem:new1-body"}, "elem:new2-body"},
                      UniqueNameCase{"body", {"elem:new-body", "elem:new2-body"}, "elem:new1-body"},
                      UniqueNameCase{
                          "body",
                          {"elem:new-body", "elem:new1-body", "elem:new2-body", "elem:new3-body",
                           "elem:new4-body", "elem:new5-body", "elem:new6-body", "elem:new7-body",
                           "elem:new8-body", "elem:new9-body"},
                          "elem:new10-body"},
                      UniqueNameCase{"elem:new-new", {}, "elem:new1-new"},
                      UniqueNameCase{"obj:body", {"elem:new-body"}, "elem:new1-body"}));

TEST_F(TargetDiscoveryTest, MorphNameWithDashGivesANameThatIsNoTarget) {
  UseAsBase(AddMeshOfSize(document(), "body", 1));

  const std::string name = plugin.MakeUniqueTargetName("a-b");
  EXPECT_EQ(name, "elem:a-b-body");
  EXPECT_FALSE(IsMorphTargetName("body", name))
      << "the first dash is the separator, so the name belongs to core name b-body";
}

}  // namespace
