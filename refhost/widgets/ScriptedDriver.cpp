#include "refhost/widgets/ScriptedDriver.h"

#include "refhost/widgets/WideText.h"

namespace refhost {

DialogAction DialogAction::SelectItem(int listBox, int index) {
  DialogAction action;
  action.kind = Kind::SelectIndex;
  action.ordinal = listBox;
  action.number = index;
  return action;
}

DialogAction DialogAction::SelectItem(int listBox, std::u16string text) {
  DialogAction action;
  action.kind = Kind::SelectText;
  action.ordinal = listBox;
  action.text = std::move(text);
  return action;
}

DialogAction DialogAction::SetPosition(int spinBox, double position) {
  DialogAction action;
  action.kind = Kind::SetPosition;
  action.ordinal = spinBox;
  action.position = position;
  return action;
}

DialogAction DialogAction::SetText(int edit, std::u16string text) {
  DialogAction action;
  action.kind = Kind::SetText;
  action.ordinal = edit;
  action.text = std::move(text);
  return action;
}

DialogAction DialogAction::Press(std::u16string caption) {
  DialogAction action;
  action.kind = Kind::PressCaption;
  action.text = std::move(caption);
  return action;
}

DialogAction DialogAction::PressResult(int modalResult) {
  DialogAction action;
  action.kind = Kind::PressResult;
  action.number = modalResult;
  return action;
}

DialogAction DialogAction::Close() { return DialogAction(); }

DialogAction DialogAction::Run(std::function<void(DialogSession&)> callback) {
  DialogAction action;
  action.kind = Kind::Callback;
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

const Widget* ScriptedDriver::Target(DialogSession& session, const char* kind, int ordinal) {
  const Widget* widget = session.Find(kind, ordinal);
  if (widget == nullptr) {
    failures_.push_back("the dialog has no " + std::string(kind) + " number " +
                        std::to_string(ordinal));
  }
  return widget;
}

bool ScriptedDriver::Play(const DialogAction& action, DialogSession& session,
                          std::optional<int>& result) {
  using Kind = DialogAction::Kind;
  switch (action.kind) {
    case Kind::SelectIndex:
    case Kind::SelectText: {
      const Widget* listBox = Target(session, "listbox", action.ordinal);
      if (listBox == nullptr) return false;
      const bool selected = action.kind == Kind::SelectIndex
                                ? session.SelectItem(listBox->id, action.number)
                                : session.SelectItemByText(listBox->id, action.text);
      if (!selected) {
        const std::string item = action.kind == Kind::SelectIndex ? std::to_string(action.number)
                                                                  : '"' + ToUtf8(action.text) + '"';
        failures_.push_back("list box " + std::to_string(action.ordinal) + " has no item " + item);
      }
      return false;
    }
    case Kind::SetPosition:
      if (const Widget* spin = Target(session, "doublespinbox", action.ordinal)) {
        session.SetPosition(spin->id, action.position);
      }
      return false;
    case Kind::SetText:
      if (const Widget* edit = Target(session, "edit", action.ordinal)) {
        if (!session.SetText(edit->id, action.text)) {
          failures_.push_back("edit " + std::to_string(action.ordinal) + " is read-only");
        }
      }
      return false;
    case Kind::PressCaption: {
      const Widget* button = session.FindButton(action.text);
      if (button == nullptr) {
        failures_.push_back("the dialog has no button \"" + ToUtf8(action.text) + '"');
        return false;
      }
      result = session.Press(button->id);
      return true;
    }
    case Kind::PressResult:
      for (const Widget* widget : session.Widgets()) {
        if (widget->kind == "button" && session.Press(widget->id) == action.number) {
          result = action.number;
          return true;
        }
      }
      failures_.push_back("no button closes the dialog with " + std::to_string(action.number));
      return false;
    case Kind::Close: return true;
    case Kind::Callback: action.callback(session); return false;
  }
  return false;
}

}  // namespace refhost
