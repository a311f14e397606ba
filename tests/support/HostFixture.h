#pragma once

#include <gtest/gtest.h>

#include "plugin/HostFunctionTable.h"
#include "refhost/host/Host.h"
#include "tests/support/PluginModule.h"

// Binds the plug-in's host table to the reference host (already loaded in
// this process, as a real host is) and gives every test a fresh host.
class HostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(host::BindHostFunctions(ModuleFile("refhost").c_str()), 1)
        << "the reference host must export every host function";
  }
  // The reset comes before the derived fixture's members are built, so that a
  // member such as a document made by referenceHost() outlives it.
  HostTest() { refhost::Host::Instance().Reset(); }
  void TearDown() override { refhost::Host::Instance().Reset(); }

  refhost::Host& referenceHost() { return refhost::Host::Instance(); }
};
