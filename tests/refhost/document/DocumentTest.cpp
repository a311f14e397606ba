#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "refhost/document/Document.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"

namespace {

class DocumentTest : public HostTest {
 protected:
  std::vector<std::string> PositionNames() const {
    std::vector<std::string> names;
    for (int index = 0; index < document.ObjectCount(); ++index) {
      const refhost::Object* object = document.ObjectAt(index);
      names.push_back(object == nullptr ? "-" : object->name());
    }
    return names;
  }

  int HostIndexOf(const refhost::Object& object) {
    return HOST_FN(MQDoc_GetObjectIndex)(document.handle(), object.handle());
  }

  refhost::Document& document = referenceHost().NewDocument();
  refhost::Object& a = document.AddObject("a");
  refhost::Object& b = document.AddObject("b");
  refhost::Object& c = document.AddObject("c");
};

using Names = std::vector<std::string>;

TEST_F(DocumentTest, InsertPlacesTheObjectRightAfterItsReferenceAndRenumbers) {
  const MQObject copy = HOST_FN(MQObj_Clone)(a.handle());
  HOST_FN(MQDoc_InsertObject)(document.handle(), copy, a.handle());

  EXPECT_EQ(PositionNames(), (Names{"a", "a", "b", "c"}))
      << "the copy belongs right behind its reference";
  EXPECT_EQ(HOST_FN(MQDoc_GetObject)(document.handle(), 1), copy);
  EXPECT_EQ(HostIndexOf(b), 2) << "objects behind the new one must move up one place";
  EXPECT_EQ(HostIndexOf(c), 3) << "objects behind the new one must move up one place";
  EXPECT_TRUE(referenceHost().misuses().empty());
}

TEST_F(DocumentTest, InsertWithoutAHeldReferenceAppends) {
  document.Remove(b);
  refhost::Object& loose = referenceHost().NewObject();
  loose.SetName("loose");

  HOST_FN(MQDoc_InsertObject)(document.handle(), loose.handle(), b.handle());
  EXPECT_EQ(PositionNames(), (Names{"a", "-", "c", "loose"}))
      << "a reference the document no longer holds gives no place but the end";
}

TEST_F(DocumentTest, InsertBeforeTheCurrentObjectKeepsItCurrent) {
  document.SetCurrentIndex(2);
  document.InsertAfter(referenceHost().NewObject(), &a);

  EXPECT_EQ(document.currentIndex(), 3) << "the current index must follow the current object";
  EXPECT_EQ(document.ObjectAt(document.currentIndex()), &c);
}

TEST_F(DocumentTest, RemoveLeavesAnEmptyPositionAndAStaleObject) {
  document.Remove(b);

  EXPECT_EQ(PositionNames(), (Names{"a", "-", "c"})) << "removing must not move the other objects";
  EXPECT_EQ(HostIndexOf(b), -1) << "a removed object's handle must go stale";
  EXPECT_EQ(HostIndexOf(c), 2);
  EXPECT_EQ(HOST_FN(MQObj_GetVertexCount)(b.handle()), 0) << "the removed object stays readable";
  EXPECT_TRUE(referenceHost().misuses().empty()) << "asking about a stale object is no misuse";
}

TEST_F(DocumentTest, ObjectOfAnotherDocumentHasNoIndexHere) {
  refhost::Document& other = referenceHost().NewDocument();
  refhost::Object& elsewhere = other.AddObject("elsewhere");

  EXPECT_EQ(HostIndexOf(elsewhere), -1);
  EXPECT_EQ(HOST_FN(MQDoc_GetObjectFromUniqueID)(document.handle(), elsewhere.uniqueID()), nullptr)
      << "a unique ID finds objects of the asked document only";
}

TEST_F(DocumentTest, UniqueIDsCountFromOneAndFindHeldObjects) {
  EXPECT_EQ(a.uniqueID(), 1);
  EXPECT_EQ(c.uniqueID(), 3);
  const MQObject copy = HOST_FN(MQObj_Clone)(b.handle());
  EXPECT_EQ(HOST_FN(MQObj_GetIntValue)(copy, kObjectValueUniqueID), 4) << "a clone gets a fresh ID";

  EXPECT_EQ(HOST_FN(MQDoc_GetObjectFromUniqueID)(document.handle(), 2), b.handle());
  EXPECT_EQ(HOST_FN(MQDoc_GetObjectFromUniqueID)(document.handle(), 4), nullptr)
      << "the clone is in no document yet";
  document.Remove(b);
  EXPECT_EQ(HOST_FN(MQDoc_GetObjectFromUniqueID)(document.handle(), 2), nullptr)
      << "a removed object is no longer found";
}

TEST_F(DocumentTest, EmptyAndOutOfRangePositionsHoldNoObject) {
  document.AddEmptyPosition();

  EXPECT_EQ(HOST_FN(MQDoc_GetObjectCount)(document.handle()), 4) << "empty positions are counted";
  for (int index : {3, 4, -1}) {
    EXPECT_EQ(HOST_FN(MQDoc_GetObject)(document.handle(), index), nullptr) << "index " << index;
  }
  EXPECT_TRUE(referenceHost().misuses().empty())
      << "the plug-in passes the current index on unchecked: no object is a normal answer";
}

}  // namespace
