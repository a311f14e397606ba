#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "refhost/widgetservice/WidgetService.h"

// One key and what its value slot points to.
using WidgetPair = std::pair<const char*, const void*>;

// Talks to the reference host's widget service as a plug-in would, with
// hand-built value lists, and gives every test a fresh service.
class WidgetServiceFixture : public ::testing::Test {
 protected:
  void SetUp() override { service.Reset(); }
  void TearDown() override { service.Reset(); }

  // One MQWidget_Value call with the pairs in order and the closing null key.
  void Send(int target, WidgetOp code, const std::vector<WidgetPair>& pairs) {
    std::vector<void*> slots;
    for (const WidgetPair& pair : pairs) {
      slots.push_back(const_cast<char*>(pair.first));
      slots.push_back(const_cast<void*>(pair.second));
    }
    slots.push_back(nullptr);
    service.Value(target, static_cast<int>(code), slots.data());
  }

  int Create(const char* kind) {
    std::int32_t id = 0;
    Send(0, WidgetOp::Create, {{"type", kind}, {"id", &id}});
    return id;
  }
  void Set(int id, const char* key, const void* value) {
    Send(id, WidgetOp::SetValue, {{key, value}});
  }
  void SetFlag(int id, const char* key) {
    const unsigned char on = 1;
    Set(id, key, &on);
  }
  void SetInt(int id, const char* key, std::int32_t value) { Set(id, key, &value); }
  std::int32_t Attach(int parent, int child, WidgetOp code = WidgetOp::AddChild) {
    std::int32_t result = -1;
    Send(parent, code, {{"child", &child}, {"result", &result}});
    return result;
  }
  std::int32_t AddItem(int listBox, const char16_t* text, std::uint64_t tag) {
    std::int32_t result = -1;
    Send(listBox, WidgetOp::CallMethod,
         {{"additem", nullptr}, {"text", text}, {"result", &result}, {"tag", &tag}});
    return result;
  }
  // The modal result Execute answers; 0, its default, when it writes none.
  std::int32_t Execute(int dialog) {
    std::int32_t result = 0;
    Send(dialog, WidgetOp::Execute, {{"type", "modal"}, {"result", &result}});
    return result;
  }
  // A dialog holding a Cancel button (2) and a default OK button (1).
  int MakeDialog() {
    const int dialog = Create("dialog");
    Attach(dialog, MakeButton(u"Cancel", 2));
    const int ok = MakeButton(u"OK", 1);
    SetFlag(ok, "default");
    Attach(dialog, ok);
    return dialog;
  }
  int MakeButton(const char16_t* caption, std::int32_t modalResult) {
    const int button = Create("button");
    Set(button, "text", caption);
    SetInt(button, "modalresult", modalResult);
    return button;
  }

  // Every breach so far, one a line, for assertion messages.
  std::string Breaches() const {
    std::string all;
    for (const refhost::ProtocolBreach& breach : service.breaches()) all += breach.what + "\n";
    return all;
  }

  refhost::WidgetService& service = refhost::WidgetService::Instance();
};
