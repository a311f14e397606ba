#include "refhost/widgetservice/ScriptedDriver.h"

#include "abi/WidgetProtocol.h"
#include "refhost/text/MessageText.h"
#include "refhost/text/WideText.h"

namespace refhost {

namespace {

DialogAction Of(DialogAction::Kind kind, int ordinal = 0) {
  DialogAction action;
  action.kind = kind;
  action.ordinal = ordinal;
  return action;
}

DialogAction WithNumber(DialogAction::Kind kind, int ordinal, int number) {
  DialogAction action = Of(kind, ordinal);
  action.number = number;
  return action;
}

DialogAction WithText(DialogAction::Kind kind, int ordinal, std::u16string text) {
  DialogAction action = Of(kind, ordinal);
  action.text = std::move(text);
  return action;
}

}  // namespace

DialogAction DialogAction::SelectItem(int listBox, int index) {
  return WithNumber(Kind::SelectIndex, listBox, index);
}

DialogAction DialogAction::SelectItem(int listBox, std::u16string text) {
  return WithText(Kind::SelectText, listBox, std::move(text));
}

DialogAction DialogAction::SetPosition(int spinBox, double position) {
  DialogAction action = Of(Kind::SetPosition, spinBox);
  action.position = position;
  return action;
}

DialogAction DialogAction::SetText(int edit, std::u16string text) {
  return WithText(Kind::SetText, edit, std::move(text));
}

DialogAction DialogAction::Press(std::u16string caption) {
  return WithText(Kind::PressCaption, 0, std::move(caption));
}

DialogAction DialogAction::PressResult(int modalResult) {
  return WithNumber(Kind::PressResult, 0, modalResult);
}

DialogAction DialogAction::Close() { return Of(Kind::Close); }

DialogAction DialogAction::Run(std::function<void(DialogSession&)> callback) {
  DialogAction action = Of(Kind::Callback);
  action.callback = std::move(callback);
  return action;
}

std::optional<int> ScriptedDriver::Run(DialogSession& session) {
  ++runs_;
  const std::size_t failuresBefore = failures_.size();
  std::optional<int> result;
  for (const DialogAction& action : actions_) {
    if (Play(action, session, result)) return result;
    if (failures_.size() != failuresBefore) return std::nullopt;
  }
  return PressDefaultButton(session);
}

void ScriptedDriver::Fail(const DialogAction& action, const std::string& what) {
  failures_.push_back(action.label.empty() ? what : action.label + ": " + what);
}

const Widget* ScriptedDriver::Target(const DialogAction& action, DialogSession& session,
                                     const char* kind) {
  const Widget* widget = session.Find(kind, action.ordinal);
  if (widget == nullptr) {
    Fail(action,
         "the dialog has no " + std::string(kind) + " number " + std::to_string(action.ordinal));
  }
  return widget;
}

void ScriptedDriver::Select(const DialogAction& action, DialogSession& session) {
  const Widget* listBox = Target(action, session, widget_kind::kListBox);
  if (listBox == nullptr) return;
  const bool byIndex = action.kind == DialogAction::Kind::SelectIndex;
  const bool selected = byIndex ? session.SelectItem(listBox->id, action.number)
                                : session.SelectItemByText(listBox->id, action.text);
  if (selected) return;
  const std::string item =
      byIndex ? std::to_string(action.number) : Quoted(ToUtf8(action.text), '"');
  Fail(action, "list box " + std::to_string(action.ordinal) + " has no item " + item);
}

void ScriptedDriver::Position(const DialogAction& action, DialogSession& session) {
  const Widget* spinBox = Target(action, session, widget_kind::kDoubleSpinBox);
  if (spinBox == nullptr || session.SetPosition(spinBox->id, action.position)) return;
  Fail(action, "out of range: spin box " + std::to_string(action.ordinal) +
                   " takes a number from " + spinBox->Range());
}

void ScriptedDriver::Type(const DialogAction& action, DialogSession& session) {
  const Widget* edit = Target(action, session, widget_kind::kEdit);
  if (edit == nullptr || session.SetText(edit->id, action.text)) return;
  Fail(action, "edit " + std::to_string(action.ordinal) + " is read-only");
}

const Widget* ScriptedDriver::Button(const DialogAction& action, DialogSession& session) {
  if (action.kind == DialogAction::Kind::PressCaption) {
    const Widget* button = session.FindButton(action.text);
    if (button == nullptr)
      Fail(action, "the dialog has no button " + Quoted(ToUtf8(action.text), '"'));
    return button;
  }
  for (const Widget* widget : session.Widgets()) {
    if (widget->kind == widget_kind::kButton && session.Press(widget->id) == action.number)
      return widget;
  }
  Fail(action, "no button closes the dialog with " + std::to_string(action.number));
  return nullptr;
}

bool ScriptedDriver::Play(const DialogAction& action, DialogSession& session,
                          std::optional<int>& result) {
  using Kind = DialogAction::Kind;
  switch (action.kind) {
    case Kind::SelectIndex:
    case Kind::SelectText:
      Select(action, session);
      return false;
    case Kind::SetPosition:
      Position(action, session);
      return false;
    case Kind::SetText:
      Type(action, session);
      return false;
    case Kind::PressCaption:
    case Kind::PressResult: {
      const Widget* button = Button(action, session);
      if (button != nullptr) result = session.Press(button->id);
      return button != nullptr;
    }
    case Kind::Close:
      return true;
    case Kind::Callback:
      if (action.callback) action.callback(session);
      return false;
  }
  return false;
}

}  // namespace refhost
