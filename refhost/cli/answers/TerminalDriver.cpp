#include "refhost/cli/answers/TerminalDriver.h"

#include <sstream>
#include <vector>

#include "abi/WidgetProtocol.h"
#include "platform/TextCodec.h"
#include "refhost/cli/WholeNumber.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

std::string Shown(const std::u16string& text) {
  std::optional<std::string> shown = platform::EncodeMultiByte(text);
  return shown ? Escaped(*shown) : "(not shown in this locale)";
}

std::string Number(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

std::vector<const Widget*> OfKind(const DialogSession& session, const std::string& kind) {
  std::vector<const Widget*> widgets;
  for (const Widget* widget : session.Widgets())
    if (widget->kind == kind) widgets.push_back(widget);
  return widgets;
}

}  // namespace

std::optional<int> TerminalDriver::Run(DialogSession& session) {
  Draw(session);
  int lists = 0;
  int spins = 0;
  std::string caption;
  for (const Widget* widget : session.Widgets()) {
    bool going = true;
    if (widget->kind == widget_kind::kLabel) caption = Shown(widget->Text());
    if (widget->kind == widget_kind::kListBox) going = AskListBox(session, *widget, ++lists);
    if (widget->kind == widget_kind::kDoubleSpinBox) going = AskSpinBox(session, *widget, ++spins);
    if (widget->kind == widget_kind::kEdit && !widget->Flag(widget_key::kReadOnly))
      going = AskEdit(session, *widget, caption);
    if (!going) return std::nullopt;
  }
  return AskButton(session);
}

void TerminalDriver::Draw(const DialogSession& session) {
  const std::u16string* title = session.dialog().Property<std::u16string>("title");
  out_ << "+-- " << (title ? Shown(*title) : std::string("dialog")) << "\n";
  int lists = 0;
  int spins = 0;
  int edits = 0;
  for (const Widget* widget : session.Widgets()) {
    if (widget->kind == widget_kind::kLabel) out_ << "| " << Shown(widget->Text()) << "\n";
    if (widget->kind == widget_kind::kEdit)
      out_ << "| edit " << ++edits << ": " << Shown(widget->Text())
           << (widget->Flag(widget_key::kReadOnly) ? " (read-only)" : "") << "\n";
    if (widget->kind == widget_kind::kListBox) {
      out_ << "| list box " << ++lists << ":" << (widget->items.empty() ? " (empty)" : "") << "\n";
      for (std::size_t item = 0; item < widget->items.size(); ++item)
        out_ << "|   " << item + 1 << ") " << Shown(widget->items[item].text) << "\n";
    }
    if (widget->kind == widget_kind::kDoubleSpinBox)
      out_ << "| spin box " << ++spins << ": " << Number(widget->Position()) << "\n";
  }
  out_ << "| buttons:";
  for (const Widget* button : OfKind(session, widget_kind::kButton))
    out_ << " [" << Shown(button->Text()) << "]";
  out_ << "\n+--\n";
}

bool TerminalDriver::AskListBox(DialogSession& session, const Widget& listBox, int ordinal) {
  const int count = static_cast<int>(listBox.items.size());
  if (count == 0) return true;
  const std::string shown =
      listBox.currentIndex >= 0 ? std::to_string(listBox.currentIndex + 1) : std::string("none");
  const std::string prompt =
      "list box " + std::to_string(ordinal) + ", item 1 to " + std::to_string(count);
  for (;;) {
    std::optional<std::string> line = Ask(prompt, shown);
    if (!line) return false;
    if (line->empty()) return true;
    int choice = 0;
    if (ParseWholeNumber(*line, choice) && session.SelectItem(listBox.id, choice - 1)) return true;
    out_ << "  please type a number from 1 to " << count << "\n";
  }
}

bool TerminalDriver::AskSpinBox(DialogSession& session, const Widget& spinBox, int ordinal) {
  const std::string prompt = "spin box " + std::to_string(ordinal) + ", " + spinBox.Range();
  for (;;) {
    std::optional<std::string> line = Ask(prompt, Number(spinBox.Position()));
    if (!line) return false;
    if (line->empty()) return true;
    double position = 0;
    if (ParseWholeNumber(*line, position) && session.SetPosition(spinBox.id, position)) return true;
    out_ << "  please type a number from " << spinBox.Range() << "\n";
  }
}

bool TerminalDriver::AskEdit(DialogSession& session, const Widget& edit,
                             const std::string& caption) {
  for (;;) {
    std::optional<std::string> line = Ask(caption.empty() ? "text" : caption, Shown(edit.Text()));
    if (!line) return false;
    if (line->empty()) return true;
    std::optional<std::u16string> text = platform::DecodeMultiByte(*line);
    if (text) {
      session.SetText(edit.id, *text);
      return true;
    }
    out_ << "  that text cannot be read in this locale\n";
  }
}

std::optional<int> TerminalDriver::AskButton(DialogSession& session) {
  std::vector<const Widget*> buttons = OfKind(session, widget_kind::kButton);
  if (buttons.empty()) return std::nullopt;
  std::string prompt = "press";
  std::string shown = "1";
  for (std::size_t index = 0; index < buttons.size(); ++index) {
    prompt += " " + std::to_string(index + 1) + ") " + Shown(buttons[index]->Text());
    if (buttons[index]->Flag("default")) shown = std::to_string(index + 1);
  }
  for (;;) {
    std::optional<std::string> line = Ask(prompt, shown);
    if (!line) return std::nullopt;
    int choice = 0;
    if (!ParseWholeNumber(line->empty() ? shown : *line, choice) || choice < 1 ||
        choice > static_cast<int>(buttons.size())) {
      out_ << "  please type a number from 1 to " << buttons.size() << "\n";
      continue;
    }
    return session.Press(buttons[choice - 1]->id);
  }
}

std::optional<std::string> TerminalDriver::Ask(const std::string& prompt,
                                               const std::string& shown) {
  out_ << prompt << " [" << shown << "]: " << std::flush;
  std::string line;
  if (!std::getline(in_, line)) {
    out_ << "\n(input ended: the dialog is closed without a result)\n";
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace refhost::cli
