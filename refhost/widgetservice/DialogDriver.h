#pragma once

#include <optional>
#include <string>
#include <vector>

#include "refhost/RefhostApi.h"
#include "refhost/widgetservice/Widget.h"

namespace refhost {

class WidgetService;

// A modal dialog while it runs: what a user sees of it, and what a user can
// do to it. Handed to the driver by Execute "modal".
class REFHOST_API DialogSession {
 public:
  DialogSession(WidgetService& service, int dialogID) : service_(service), dialogID_(dialogID) {}

  const Widget& dialog() const;
  // The dialog's live widgets in tree order (the order a reader scans them),
  // with their captions, items, positions, limits and flags.
  std::vector<const Widget*> Widgets() const;
  // The `ordinal`-th widget (from 1) of `kind` in tree order; null if none.
  const Widget* Find(const std::string& kind, int ordinal) const;
  const Widget* FindButton(const std::u16string& caption) const;
  const Widget* DefaultButton() const;

  // The user's acts. Each answers false, changing nothing, when the widget is
  // not a live one of the right kind in this dialog, the list box has no
  // such item, the spin box does not admit the position, or the edit box is
  // read-only.
  bool SelectItem(int listBoxID, int index);
  bool SelectItemByText(int listBoxID, const std::u16string& text);
  bool SetPosition(int spinBoxID, double position);
  bool SetText(int editID, std::u16string text);
  // The modal result the button closes the dialog with (0 when it has none,
  // or when `buttonID` is no button of this dialog).
  int Press(int buttonID) const;

 private:
  void CollectTree(int id, std::vector<const Widget*>& out) const;
  // The widget when it is a live `kind` inside this dialog, else null.
  Widget* Control(int id, const char* kind) const;

  WidgetService& service_;
  int dialogID_;
};

// Answers a modal dialog, as a user would.
class REFHOST_API DialogDriver {
 public:
  virtual ~DialogDriver() = default;
  // The dialog's modal result, or nothing for a dialog closed without one.
  virtual std::optional<int> Run(DialogSession& session) = 0;
};

// What a dialog answers when nobody acts: its default button's modal result,
// or nothing when it has no default button.
REFHOST_API std::optional<int> PressDefaultButton(DialogSession& session);

}  // namespace refhost
