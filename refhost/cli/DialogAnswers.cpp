#include "refhost/cli/DialogAnswers.h"

#include "refhost/cli/CliError.h"
#include "refhost/cli/WholeNumber.h"

namespace refhost::cli {

const char* OptionName(AnsweredWidget widget) {
  switch (widget) {
    case AnsweredWidget::ListBox:
      return "--list";
    case AnsweredWidget::SpinBox:
      return "--spin";
    case AnsweredWidget::Edit:
      return "--edit";
  }
  return "";
}

WidgetAnswer ParseWidgetAnswer(AnsweredWidget widget, const std::string& argument) {
  std::string option = std::string(OptionName(widget)) + " " + argument;
  std::size_t equals = argument.find('=');
  if (equals == std::string::npos)
    throw CliError(option +
                   ": expected N=VALUE, where N counts the dialog's widgets of that kind from 1");
  WidgetAnswer answer{widget, 0, argument.substr(equals + 1)};
  if (!ParseWholeNumber(argument.substr(0, equals), answer.ordinal) || answer.ordinal < 1)
    throw CliError(option + ": '" + argument.substr(0, equals) +
                   "' is not a widget number (1, 2, ...)");
  if (widget == AnsweredWidget::SpinBox && !ParseWholeNumber(answer.text, answer.position))
    throw CliError(option + ": '" + answer.text + "' is not a number");
  return answer;
}

}  // namespace refhost::cli
