#include "refhost/widgets/WidgetProtocol.h"

#include <cstring>
#include <initializer_list>

namespace refhost {
namespace {

using std::initializer_list;
constexpr bool kIn = false;
constexpr bool kOut = true;

const initializer_list<KeySpec> kExecuteKeys = {{"type", ValueType::Narrow, kIn, 0, "dialog"},
                                                {"result", ValueType::Int, kOut, 0, "dialog"}};
const initializer_list<KeySpec> kGetSystemKeys = {{"system", ValueType::Narrow, kIn, 0, nullptr},
                                                  {"result", ValueType::Int, kOut, -1, nullptr}};
const initializer_list<KeySpec> kCreateKeys = {{"type", ValueType::Narrow, kIn, 0, nullptr},
                                               {"id", ValueType::Int, kOut, 0, nullptr}};
const initializer_list<KeySpec> kAddChildKeys = {{"child", ValueType::Int, kIn, 0, nullptr},
                                                 {"result", ValueType::Int, kOut, -1, nullptr}};
const initializer_list<KeySpec> kAddChildWindowKeys = {
    {"child", ValueType::Int, kIn, 0, "main_window dialog"},
    {"result", ValueType::Int, kOut, -1, "main_window dialog"}};
const initializer_list<KeySpec> kGetValueKeys = {
    {"currentindex", ValueType::Int, kOut, 0, "listbox"},
    {"index", ValueType::Int, kIn, 0, "listbox"},
    {"item.tag", ValueType::Tag, kOut, 0, "listbox"},
    {"text.length", ValueType::Int, kOut, 0, "edit"},
    {"text", ValueType::WideBuffer, kOut, 0, "edit"},
    {"position", ValueType::Double, kOut, 0, "doublespinbox"}};
const initializer_list<KeySpec> kSetValueKeys = {
    {"alignment", ValueType::Narrow, kIn, 0, "frame"},
    {"horzlayout", ValueType::Narrow, kIn, 0, nullptr},
    {"vertlayout", ValueType::Narrow, kIn, 0, nullptr},
    {"fillbeforerate", ValueType::Double, kIn, 0, nullptr},
    {"text", ValueType::Wide, kIn, 0, "button label edit"},
    {"title", ValueType::Wide, kIn, 0, "dialog"},
    {"readonly", ValueType::Bool, kIn, 0, "edit"},
    {"default", ValueType::Bool, kIn, 0, "button"},
    {"cancel", ValueType::Bool, kIn, 0, "button"},
    {"modalresult", ValueType::Int, kIn, 0, "button"},
    {"min", ValueType::Double, kIn, 0, "doublespinbox"},
    {"max", ValueType::Double, kIn, 0, "doublespinbox"},
    {"increment", ValueType::Double, kIn, 0, "doublespinbox"},
    {"position", ValueType::Double, kIn, 0, "doublespinbox"}};
const initializer_list<KeySpec> kCallMethodKeys = {
    {"additem", ValueType::Method, kIn, 0, "listbox"},
    {"text", ValueType::Wide, kIn, 0, nullptr},
    {"result", ValueType::Int, kOut, -1, nullptr},
    {"tag", ValueType::Tag, kIn, 0, nullptr}};
const initializer_list<KeySpec> kNoKeys = {};

const initializer_list<KeySpec>& KeysOf(int code) {
  switch (code) {
    case widget_op::kExecute:
      return kExecuteKeys;
    case widget_op::kGetSystem:
      return kGetSystemKeys;
    case widget_op::kCreate:
      return kCreateKeys;
    case widget_op::kAddChild:
      return kAddChildKeys;
    case widget_op::kAddChildWindow:
      return kAddChildWindowKeys;
    case widget_op::kGetValue:
      return kGetValueKeys;
    case widget_op::kSetValue:
      return kSetValueKeys;
    case widget_op::kCallMethod:
      return kCallMethodKeys;
    default:
      return kNoKeys;
  }
}

}  // namespace

const KeySpec* FindKeySpec(int code, const char* key) {
  for (const KeySpec& keySpec : KeysOf(code)) {
    if (std::strcmp(keySpec.key, key) == 0) return &keySpec;
  }
  return nullptr;
}

}  // namespace refhost
