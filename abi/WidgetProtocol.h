#pragma once

#include <cstdint>

// The widget value protocol of MQWidget_Value: operation codes, the keys of
// the value lists, the widget kinds and the fixed values both sides name.

// Operation codes. The high byte names the group:
// 0x00 running, 0x01 existence, 0x02 hierarchy, 0x03 values.
enum class WidgetOp : std::int32_t {
  Execute = 0x0001,
  GetSystem = 0x0100,
  Create = 0x0101,
  Destroy = 0x0102,
  AddChild = 0x0201,
  AddChildWindow = 0x0203,
  GetValue = 0x0301,
  SetValue = 0x0302,
  CallMethod = 0x0303,
};

namespace widget_key {
inline constexpr char kAddItem[] = "additem";
inline constexpr char kAlignment[] = "alignment";
inline constexpr char kCancel[] = "cancel";
inline constexpr char kChild[] = "child";
inline constexpr char kCurrentIndex[] = "currentindex";
inline constexpr char kDefault[] = "default";
inline constexpr char kFillBeforeRate[] = "fillbeforerate";
inline constexpr char kHorzLayout[] = "horzlayout";
inline constexpr char kID[] = "id";
inline constexpr char kIncrement[] = "increment";
inline constexpr char kIndex[] = "index";
inline constexpr char kItemTag[] = "item.tag";
inline constexpr char kMax[] = "max";
inline constexpr char kMin[] = "min";
inline constexpr char kModalResult[] = "modalresult";
inline constexpr char kPosition[] = "position";
inline constexpr char kReadOnly[] = "readonly";
inline constexpr char kResult[] = "result";
inline constexpr char kSystem[] = "system";
inline constexpr char kTag[] = "tag";
inline constexpr char kText[] = "text";
inline constexpr char kTextLength[] = "text.length";
inline constexpr char kTitle[] = "title";
inline constexpr char kType[] = "type";
inline constexpr char kVertLayout[] = "vertlayout";
}  // namespace widget_key

// Values of "type" for Create.
namespace widget_kind {
inline constexpr char kButton[] = "button";
inline constexpr char kDialog[] = "dialog";
inline constexpr char kDoubleSpinBox[] = "doublespinbox";
inline constexpr char kEdit[] = "edit";
inline constexpr char kFrame[] = "frame";
inline constexpr char kLabel[] = "label";
inline constexpr char kListBox[] = "listbox";
}  // namespace widget_kind

// The one value of "type" for Execute, and of "system" for GetSystem.
inline constexpr char kExecuteModal[] = "modal";
inline constexpr char kMainWindowSystemName[] = "main_window";
