#include "refhost/cli/answers/DialogAnswers.h"

#include <cmath>
#include <cstdlib>

#include "refhost/cli/CliError.h"
#include "refhost/cli/WholeNumber.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

struct WidgetNames {
  const char* option;
  const char* noun;
};

// In the order of AnsweredWidget.
constexpr WidgetNames kWidgetNames[] = {
    {"--list", "list box"}, {"--spin", "spin box"}, {"--edit", "edit box"}};

const WidgetNames& NamesOf(AnsweredWidget widget) { return kWidgetNames[static_cast<int>(widget)]; }

double SpinPosition(const std::string& option, const std::string& text) {
  double position = 0;
  const std::errc error = ReadWholeNumber(text, position);
  if (error == std::errc::invalid_argument || std::isnan(position))
    throw CliError(option + ": " + Quoted(text) + " is not a number");
  // from_chars keeps no value for a number beyond a double's range; strtod
  // (in the C locale's LC_NUMERIC, which the program keeps) rounds it to an
  // infinity or towards zero.
  return error == std::errc() ? position : std::strtod(text.c_str(), nullptr);
}

}  // namespace

const char* OptionName(AnsweredWidget widget) { return NamesOf(widget).option; }

std::string Label(const WidgetAnswer& answer) {
  return std::string(OptionName(answer.widget)) + " " + std::to_string(answer.ordinal) + "=" +
         Shortened(answer.text);
}

WidgetAnswer ParseWidgetAnswer(AnsweredWidget widget, const std::string& argument) {
  std::string option = std::string(OptionName(widget)) + " " + Shortened(argument);
  std::size_t equals = argument.find('=');
  if (equals == std::string::npos)
    throw CliError(option +
                   ": expected N=VALUE, where N counts the dialog's widgets of that kind from 1");
  WidgetAnswer answer{widget, 0, argument.substr(equals + 1)};
  if (!ParseWholeNumber(argument.substr(0, equals), answer.ordinal) || answer.ordinal < 1)
    throw CliError(option + ": " + Quoted(argument.substr(0, equals)) +
                   " is not a widget number (1, 2, ...)");
  if (widget == AnsweredWidget::SpinBox) answer.position = SpinPosition(option, answer.text);
  return answer;
}

void DialogAnswers::Add(WidgetAnswer answer) {
  for (const WidgetAnswer& earlier : widgets)
    if (earlier.widget == answer.widget && earlier.ordinal == answer.ordinal)
      throw CliError(Label(answer) + ": " + NamesOf(answer.widget).noun + " " +
                     std::to_string(answer.ordinal) + " is answered twice (first " +
                     Label(earlier) + ")");
  widgets.push_back(std::move(answer));
}

}  // namespace refhost::cli
