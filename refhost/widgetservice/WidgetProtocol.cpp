#include "refhost/widgetservice/WidgetProtocol.h"

#include <cstring>
#include <initializer_list>

namespace refhost {
namespace {

using std::initializer_list;
constexpr bool kIn = false;
constexpr bool kOut = true;

const initializer_list<KeySpec> kExecuteKeys = {
    {widget_key::kType, ValueType::Narrow, kIn, 0, "dialog"},
    {widget_key::kResult, ValueType::Int, kOut, 0, "dialog"}};
const initializer_list<KeySpec> kGetSystemKeys = {
    {widget_key::kSystem, ValueType::Narrow, kIn, 0, nullptr},
    {widget_key::kResult, ValueType::Int, kOut, -1, nullptr}};
const initializer_list<KeySpec> kCreateKeys = {
    {widget_key::kType, ValueType::Narrow, kIn, 0, nullptr},
    {widget_key::kID, ValueType::Int, kOut, 0, nullptr}};
const initializer_list<KeySpec> kAddChildKeys = {
    {widget_key::kChild, ValueType::Int, kIn, 0, nullptr},
    {widget_key::kResult, ValueType::Int, kOut, -1, nullptr}};
const initializer_list<KeySpec> kAddChildWindowKeys = {
    {widget_key::kChild, ValueType::Int, kIn, 0, "main_window dialog"},
    {widget_key::kResult, ValueType::Int, kOut, -1, "main_window dialog"}};
const initializer_list<KeySpec> kGetValueKeys = {
    {widget_key::kCurrentIndex, ValueType::Int, kOut, 0, "listbox"},
    {widget_key::kIndex, ValueType::Int, kIn, 0, "listbox"},
    {widget_key::kItemTag, ValueType::Tag, kOut, 0, "listbox"},
    {widget_key::kTextLength, ValueType::Int, kOut, 0, "edit"},
    {widget_key::kText, ValueType::WideBuffer, kOut, 0, "edit"},
    {widget_key::kPosition, ValueType::Double, kOut, 0, "doublespinbox"}};
const initializer_list<KeySpec> kSetValueKeys = {
    {widget_key::kAlignment, ValueType::Narrow, kIn, 0, "frame"},
    {widget_key::kHorzLayout, ValueType::Narrow, kIn, 0, nullptr},
    {widget_key::kVertLayout, ValueType::Narrow, kIn, 0, nullptr},
    {widget_key::kFillBeforeRate, ValueType::Double, kIn, 0, nullptr},
    {widget_key::kText, ValueType::Wide, kIn, 0, "button label edit"},
    {widget_key::kTitle, ValueType::Wide, kIn, 0, "dialog"},
    {widget_key::kReadOnly, ValueType::Bool, kIn, 0, "edit"},
    {widget_key::kDefault, ValueType::Bool, kIn, 0, "button"},
    {widget_key::kCancel, ValueType::Bool, kIn, 0, "button"},
    {widget_key::kModalResult, ValueType::Int, kIn, 0, "button"},
    {widget_key::kMin, ValueType::Double, kIn, 0, "doublespinbox"},
    {widget_key::kMax, ValueType::Double, kIn, 0, "doublespinbox"},
    {widget_key::kIncrement, ValueType::Double, kIn, 0, "doublespinbox"},
    {widget_key::kPosition, ValueType::Double, kIn, 0, "doublespinbox"}};
const initializer_list<KeySpec> kCallMethodKeys = {
    {widget_key::kAddItem, ValueType::Method, kIn, 0, "listbox"},
    {widget_key::kText, ValueType::Wide, kIn, 0, nullptr},
    {widget_key::kResult, ValueType::Int, kOut, -1, nullptr},
    {widget_key::kTag, ValueType::Tag, kIn, 0, nullptr}};
const initializer_list<KeySpec> kNoKeys = {};

const initializer_list<KeySpec>& KeysOf(WidgetOp code) {
  switch (code) {
    case WidgetOp::Execute:
      return kExecuteKeys;
    case WidgetOp::GetSystem:
      return kGetSystemKeys;
    case WidgetOp::Create:
      return kCreateKeys;
    case WidgetOp::AddChild:
      return kAddChildKeys;
    case WidgetOp::AddChildWindow:
      return kAddChildWindowKeys;
    case WidgetOp::GetValue:
      return kGetValueKeys;
    case WidgetOp::SetValue:
      return kSetValueKeys;
    case WidgetOp::CallMethod:
      return kCallMethodKeys;
    default:
      return kNoKeys;
  }
}

}  // namespace

const KeySpec* FindKeySpec(WidgetOp code, const char* key) {
  for (const KeySpec& keySpec : KeysOf(code)) {
    if (std::strcmp(keySpec.key, key) == 0) return &keySpec;
  }
  return nullptr;
}

}  // namespace refhost
