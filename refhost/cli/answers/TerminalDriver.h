#pragma once

#include <iostream>
#include <optional>
#include <string>

#include "refhost/widgetservice/DialogDriver.h"

namespace refhost::cli {

// Lets the person at the terminal answer a dialog: draws it as text, then
// asks for each list box, spin box and editable edit box in dialog order
// and last for the button. Enter keeps what is shown in brackets. The end
// of input closes the dialog with no result.
class TerminalDriver : public DialogDriver {
 public:
  explicit TerminalDriver(std::istream& in = std::cin, std::ostream& out = std::cout)
      : in_(in), out_(out) {}

  std::optional<int> Run(DialogSession& session) override;

 private:
  void Draw(const DialogSession& session);
  // False when the input has ended.
  bool AskListBox(DialogSession& session, const Widget& listBox, int ordinal);
  bool AskSpinBox(DialogSession& session, const Widget& spinBox, int ordinal);
  bool AskEdit(DialogSession& session, const Widget& edit, const std::string& caption);
  std::optional<int> AskButton(DialogSession& session);
  // The typed line, empty for Enter; nothing at the end of input.
  std::optional<std::string> Ask(const std::string& prompt, const std::string& shown);

  std::istream& in_;
  std::ostream& out_;
};

}  // namespace refhost::cli
