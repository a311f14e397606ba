#pragma once

#include <functional>
#include <string>
#include <vector>

#include "refhost/RefhostApi.h"
#include "refhost/widgetservice/DialogDriver.h"

namespace refhost {

// One step of a scripted user. Widgets are addressed by kind and ordinal
// (from 1) in the dialog's tree order, list items by index or text.
struct REFHOST_API DialogAction {
  enum class Kind {
    SelectIndex,
    SelectText,
    SetPosition,
    SetText,
    PressCaption,
    PressResult,
    Close,
    Callback
  };

  static DialogAction SelectItem(int listBox, int index);
  static DialogAction SelectItem(int listBox, std::u16string text);
  static DialogAction SetPosition(int spinBox, double position);
  static DialogAction SetText(int edit, std::u16string text);
  static DialogAction Press(std::u16string caption);
  static DialogAction PressResult(int modalResult);
  static DialogAction Close();
  static DialogAction Run(std::function<void(DialogSession&)> callback);

  Kind kind = Kind::Close;
  int ordinal = 0;
  int number = 0;  // item index or modal result
  double position = 0.0;
  std::u16string text;
  std::function<void(DialogSession&)> callback;
  // How the user asked for this action; a failure names it first.
  std::string label;
};

// Plays its actions on every dialog it is given. A dialog the script does
// not close is closed with its default button. An action that finds no
// such widget, item or button, sets a spin box outside its range, or types
// into a read-only edit box, is recorded as a readable failure, led by the
// action's label, and closes the dialog with no result.
class REFHOST_API ScriptedDriver : public DialogDriver {
 public:
  explicit ScriptedDriver(std::vector<DialogAction> actions) : actions_(std::move(actions)) {}

  std::optional<int> Run(DialogSession& session) override;

  const std::vector<std::string>& failures() const { return failures_; }
  int runs() const { return runs_; }

 private:
  // Plays one action; sets `result` and answers true when it closes the dialog.
  bool Play(const DialogAction& action, DialogSession& session, std::optional<int>& result);
  void Select(const DialogAction& action, DialogSession& session);
  void Position(const DialogAction& action, DialogSession& session);
  void Type(const DialogAction& action, DialogSession& session);
  // The button a press action names, or null, recorded as a failure.
  const Widget* Button(const DialogAction& action, DialogSession& session);
  // The action's widget of `kind`, or null, recorded as a failure.
  const Widget* Target(const DialogAction& action, DialogSession& session, const char* kind);
  void Fail(const DialogAction& action, const std::string& what);

  std::vector<DialogAction> actions_;
  std::vector<std::string> failures_;
  int runs_ = 0;
};

}  // namespace refhost
