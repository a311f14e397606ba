#include "refhost/widgetservice/DialogDriver.h"

#include <algorithm>

#include "abi/WidgetProtocol.h"
#include "refhost/widgetservice/WidgetService.h"

namespace refhost {

const Widget& DialogSession::dialog() const { return *service_.Find(dialogID_); }

void DialogSession::CollectTree(int id, std::vector<const Widget*>& out) const {
  const Widget* widget = service_.Find(id);
  if (widget == nullptr) return;
  for (int child : widget->children) {
    const Widget* found = service_.Find(child);
    if (found == nullptr || found->destroyed) continue;
    out.push_back(found);
    CollectTree(child, out);
  }
}

std::vector<const Widget*> DialogSession::Widgets() const {
  std::vector<const Widget*> widgets;
  CollectTree(dialogID_, widgets);
  return widgets;
}

const Widget* DialogSession::Find(const std::string& kind, int ordinal) const {
  int seen = 0;
  for (const Widget* widget : Widgets()) {
    if (widget->kind == kind && ++seen == ordinal) return widget;
  }
  return nullptr;
}

const Widget* DialogSession::FindButton(const std::u16string& caption) const {
  for (const Widget* widget : Widgets()) {
    if (widget->kind == widget_kind::kButton && widget->Text() == caption) return widget;
  }
  return nullptr;
}

const Widget* DialogSession::DefaultButton() const {
  for (const Widget* widget : Widgets()) {
    if (widget->kind == widget_kind::kButton && widget->Flag(widget_key::kDefault)) return widget;
  }
  return nullptr;
}

Widget* DialogSession::Control(int id, const char* kind) const {
  for (const Widget* widget : Widgets()) {
    if (widget->id == id) return widget->kind == kind ? service_.FindMutable(id) : nullptr;
  }
  return nullptr;
}

bool DialogSession::SelectItem(int listBoxID, int index) {
  Widget* listBox = Control(listBoxID, widget_kind::kListBox);
  if (listBox == nullptr || index < 0 || index >= static_cast<int>(listBox->items.size())) {
    return false;
  }
  listBox->currentIndex = index;
  return true;
}

bool DialogSession::SelectItemByText(int listBoxID, const std::u16string& text) {
  const Widget* listBox = Control(listBoxID, widget_kind::kListBox);
  if (listBox == nullptr) return false;
  const auto& items = listBox->items;
  auto found = std::find_if(items.begin(), items.end(),
                            [&](const ListItem& item) { return item.text == text; });
  return found != items.end() && SelectItem(listBoxID, static_cast<int>(found - items.begin()));
}

bool DialogSession::SetPosition(int spinBoxID, double position) {
  Widget* spinBox = Control(spinBoxID, widget_kind::kDoubleSpinBox);
  if (spinBox == nullptr || !spinBox->Admits(position)) return false;
  spinBox->properties[widget_key::kPosition] = position;
  return true;
}

bool DialogSession::SetText(int editID, std::u16string text) {
  Widget* edit = Control(editID, widget_kind::kEdit);
  if (edit == nullptr || edit->Flag(widget_key::kReadOnly)) return false;
  edit->properties[widget_key::kText] = std::move(text);
  return true;
}

int DialogSession::Press(int buttonID) const {
  const Widget* button = Control(buttonID, widget_kind::kButton);
  const int* result = button ? button->Property<int>(widget_key::kModalResult) : nullptr;
  return result ? *result : 0;
}

std::optional<int> PressDefaultButton(DialogSession& session) {
  const Widget* button = session.DefaultButton();
  if (button == nullptr) return std::nullopt;
  return session.Press(button->id);
}

}  // namespace refhost
