#pragma once

#include "refhost/Document.h"
#include "tests/support/HostFixture.h"

// A fresh reference host with one empty document. The document is made in
// SetUp, after the host's reset, so that it belongs to this test's host.
class DocumentTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    document_ = &referenceHost().NewDocument();
  }

  refhost::Document& document() { return *document_; }

 private:
  refhost::Document* document_ = nullptr;
};
