#pragma once

#include <string>
#include <vector>

namespace refhost::cli {

enum class AnsweredWidget { ListBox, SpinBox, Edit };

// One answer from the command line, e.g. "--spin 2=150": the widget is the
// `ordinal`-th (from 1) of its kind in the order the dialog created them.
struct WidgetAnswer {
  AnsweredWidget widget;
  int ordinal;
  std::string text;     // the list item to select, or the edit box's new text
  double position = 0;  // the spin box's new position
};

struct DialogAnswers {
  std::vector<WidgetAnswer> widgets;
  std::string press;  // caption of the button to press; empty: the default button

  bool empty() const { return widgets.empty() && press.empty(); }
  // Appends `answer`; CliError when its widget is answered already, since
  // which of two answers was meant cannot be known.
  void Add(WidgetAnswer answer);
};

// Parses "N=VALUE" as given to --list, --spin or --edit; CliError naming the
// option and what is wrong with the argument. A spin value beyond the range
// of a double reads as infinite, which the dialog refuses as out of its range.
WidgetAnswer ParseWidgetAnswer(AnsweredWidget widget, const std::string& argument);

// "--list", "--spin" or "--edit".
const char* OptionName(AnsweredWidget widget);

// The answer as typed, shortened for messages: "--spin 2=150".
std::string Label(const WidgetAnswer& answer);

}  // namespace refhost::cli
