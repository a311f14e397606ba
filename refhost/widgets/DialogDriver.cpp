#include "refhost/widgets/DialogDriver.h"

#include "refhost/widgets/WidgetService.h"

namespace refhost {

const Widget& DialogSession::dialog() const { return *service_.Find(dialogID_); }

void DialogSession::CollectTree(int id, std::vector<const Widget*>& out) const {
  const Widget* widget = service_.Find(id);
  if (widget == nullptr) return;
  for (int child : widget->children) {
    if (const Widget* found = service_.Find(child)) out.push_back(found);
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
    if (widget->kind == "button" && widget->Text() == caption) return widget;
  }
  return nullptr;
}

const Widget* DialogSession::DefaultButton() const {
  for (const Widget* widget : Widgets()) {
    if (widget->kind == "button" && widget->Flag("default")) return widget;
  }
  return nullptr;
}

Widget& DialogSession::Mutable(int id) { return *service_.FindMutable(id); }

bool DialogSession::SelectItem(int listBoxID, int index) {
  Widget& listBox = Mutable(listBoxID);
  if (index < 0 || index >= static_cast<int>(listBox.items.size())) return false;
  listBox.currentIndex = index;
  return true;
}

bool DialogSession::SelectItemByText(int listBoxID, const std::u16string& text) {
  const Widget& listBox = Mutable(listBoxID);
  for (std::size_t i = 0; i < listBox.items.size(); ++i) {
    if (listBox.items[i].text == text) return SelectItem(listBoxID, static_cast<int>(i));
  }
  return false;
}

void DialogSession::SetPosition(int spinBoxID, double position) {
  Mutable(spinBoxID).properties["position"] = position;
}

void DialogSession::SetText(int editID, std::u16string text) {
  Mutable(editID).properties["text"] = std::move(text);
}

int DialogSession::Press(int buttonID) const {
  const int* result = service_.Find(buttonID)->Property<int>("modalresult");
  return result ? *result : 0;
}

}  // namespace refhost
