#pragma once

#include <string>

#include "refhost/document/Document.h"
#include "tests/support/HostFixture.h"

// A fresh reference host with one empty document. The document is made in
// SetUp, after the host's reset, so that it belongs to this test's host.
// Every test ends by checking that the plug-in used the host soundly.
class HostDocumentTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    document_ = &referenceHost().NewDocument();
  }

  void TearDown() override {
    for (const std::string& misuse : referenceHost().misuses()) {
      ADD_FAILURE() << "host misuse: " << misuse;
    }
    HostTest::TearDown();
  }

  refhost::Document& document() { return *document_; }

 private:
  refhost::Document* document_ = nullptr;
};
