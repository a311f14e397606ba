#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "refhost/widgetservice/ScriptedDriver.h"
#include "refhost/widgetservice/WidgetProtocol.h"
#include "refhost/widgetservice/WidgetService.h"
#include "tests/support/HostDocumentTest.h"
#include "tests/support/MeshBuilder.h"

// A reference host whose dialogs a scripted user answers. Every test ends by
// checking that the plug-in kept to the widget protocol, and that the script
// found every widget it acted on.
class DialogHostTest : public HostDocumentTest {
 protected:
  void TearDown() override {
    for (const refhost::ProtocolBreach& breach : widgets().breaches()) {
      ADD_FAILURE() << "protocol breach in call " << breach.call << ": " << breach.what;
    }
    if (driver_) {
      for (const std::string& failure : driver_->failures()) {
        ADD_FAILURE() << "the script could not act: " << failure;
      }
    }
    HostDocumentTest::TearDown();
  }

  static refhost::WidgetService& widgets() { return refhost::WidgetService::Instance(); }

  // The user's actions for every dialog from here on.
  refhost::ScriptedDriver& Answer(std::vector<refhost::DialogAction> actions) {
    driver_ = std::make_shared<refhost::ScriptedDriver>(std::move(actions));
    widgets().SetDriver(driver_);
    return *driver_;
  }

  // Switches LC_CTYPE to the user's default, as the dialog does, and names it.
  static std::string UseUserDefaultLocale() {
    const char* name = std::setlocale(LC_CTYPE, "");
    return name == nullptr ? "" : name;
  }
  static bool IsUtf8Locale(const std::string& name) {
    return name.find("UTF-8") != std::string::npos || name.find("utf8") != std::string::npos;
  }

  // The `ordinal`-th widget of `kind` created since the host was reset, from 1.
  static const refhost::Widget& Nth(const std::string& kind, int ordinal) {
    return *widgets().CreatedOfKind(kind).at(static_cast<std::size_t>(ordinal - 1));
  }

  // The widget calls from `first` on, one line each, with widgets named by
  // kind and creation ordinal ("frame3"), so that a transcript does not
  // depend on the identifiers the host hands out.
  static std::vector<std::string> Transcript(std::size_t first = 0) {
    const std::map<int, std::string> names = WidgetNames();
    const auto nameOf = [&names](int id) {
      const auto found = names.find(id);
      return found == names.end() ? std::to_string(id) : found->second;
    };
    std::vector<std::string> lines;
    const std::vector<refhost::RecordedCall>& calls = widgets().calls();
    for (std::size_t i = first; i < calls.size(); ++i) {
      std::string line = nameOf(calls[i].target) + " " + OperationName(calls[i].code);
      for (const auto& [key, value] : calls[i].pairs) {
        line += " " + key + "=" + (key == "child" ? nameOf(std::stoi(value)) : value);
      }
      lines.push_back(line);
    }
    return lines;
  }

  // The index in the call record of the first Execute, where building ends.
  static std::size_t ExecuteCall() {
    const std::vector<refhost::RecordedCall>& calls = widgets().calls();
    std::size_t index = 0;
    while (index < calls.size() && calls[index].code != WidgetOp::Execute) ++index;
    return index;
  }

 private:
  static std::map<int, std::string> WidgetNames() {
    std::map<int, std::string> names{{0, "none"}};
    std::map<std::string, int> ordinals;
    for (const refhost::Widget* widget : widgets().Created()) {
      const bool single = widget->kind == "main_window";
      names[widget->id] =
          single ? widget->kind : widget->kind + std::to_string(++ordinals[widget->kind]);
    }
    names.emplace(refhost::WidgetService::kMainWindowID, "main_window");
    return names;
  }

  static std::string OperationName(WidgetOp code) {
    static const std::map<WidgetOp, std::string> kNames{
        {WidgetOp::Execute, "Execute"},      {WidgetOp::GetSystem, "GetSystem"},
        {WidgetOp::Create, "Create"},        {WidgetOp::Destroy, "Destroy"},
        {WidgetOp::AddChild, "AddChild"},    {WidgetOp::AddChildWindow, "AddChildWindow"},
        {WidgetOp::GetValue, "GetValue"},    {WidgetOp::SetValue, "SetValue"},
        {WidgetOp::CallMethod, "CallMethod"}};
    const auto found = kNames.find(code);
    return found == kNames.end() ? std::to_string(static_cast<int>(code)) : found->second;
  }

  std::shared_ptr<refhost::ScriptedDriver> driver_;
};
