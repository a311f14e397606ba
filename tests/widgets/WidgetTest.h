#pragma once

#include <string>
#include <vector>

#include "refhost/widgetservice/WidgetService.h"
#include "tests/support/HostFixture.h"

// A fresh reference host per test, whose strict reader must have found no
// breach of the value protocol by the end of the test.
class WidgetTest : public HostTest {
 protected:
  void TearDown() override {
    EXPECT_EQ(DescribeBreaches(), "") << "the plug-in sent a list that breaks the value protocol";
    HostTest::TearDown();
  }

  refhost::WidgetService& service() { return refhost::WidgetService::Instance(); }
  refhost::WidgetFaults& faults() { return service().faults(); }
  const std::vector<refhost::RecordedCall>& calls() { return service().calls(); }

  std::vector<refhost::RecordedCall> CallsWithCode(WidgetOp code) {
    std::vector<refhost::RecordedCall> found;
    for (const refhost::RecordedCall& call : calls()) {
      if (call.code == code) found.push_back(call);
    }
    return found;
  }

  // The targets of the Destroy calls, in the order they were sent.
  std::vector<int> DestroyedTargets() {
    std::vector<int> targets;
    for (const refhost::RecordedCall& call : CallsWithCode(WidgetOp::Destroy)) {
      targets.push_back(call.target);
    }
    return targets;
  }

  // The keys of a recorded call, in list order.
  static std::vector<std::string> Keys(const refhost::RecordedCall& call) {
    std::vector<std::string> keys;
    for (const auto& pair : call.pairs) keys.push_back(pair.first);
    return keys;
  }

  std::string DescribeBreaches() {
    std::string text;
    for (const refhost::ProtocolBreach& breach : service().breaches()) {
      text += "call " + std::to_string(breach.call) + ": " + breach.what + "\n";
    }
    return text;
  }
};
