#include "refhost/cli/answers/DialogAnswerer.h"

#include <cstdio>

#include "platform/TextCodec.h"
#include "refhost/cli/CliError.h"
#include "refhost/cli/answers/TerminalDriver.h"
#include "refhost/cli/streams/Terminal.h"
#include "refhost/text/MessageText.h"
#include "refhost/widgetservice/WidgetService.h"

namespace refhost::cli {
namespace {

std::u16string WidgetText(const std::string& label, const std::string& text) {
  std::optional<std::u16string> wide = platform::DecodeMultiByte(text);
  if (!wide) throw CliError(label + ": not valid text in this locale");
  return *wide;
}

}  // namespace

DialogAnswerer::DialogAnswerer(const DialogAnswers& answers) {
  WidgetService& widgets = WidgetService::Instance();
  if (!answers.empty()) {
    script_ = std::make_shared<ScriptedDriver>(Script(answers));
    widgets.SetDriver(script_);
  } else if (IsTerminal(stdin)) {
    widgets.SetDriver(std::make_shared<TerminalDriver>());
  } else {
    widgets.SetDriver(nullptr);
  }
}

DialogAnswerer::~DialogAnswerer() { WidgetService::Instance().SetDriver(nullptr); }

void DialogAnswerer::CheckAnswersUsed() const {
  if (!script_ || script_->failures().empty()) return;
  throw CliError(script_->failures().front());
}

std::vector<DialogAction> DialogAnswerer::Script(const DialogAnswers& answers) {
  std::vector<DialogAction> script;
  for (const WidgetAnswer& answer : answers.widgets) {
    std::string label = Label(answer);
    switch (answer.widget) {
      case AnsweredWidget::ListBox:
        PlayNext(script, label,
                 DialogAction::SelectItem(answer.ordinal, WidgetText(label, answer.text)));
        break;
      case AnsweredWidget::SpinBox:
        PlayNext(script, label, DialogAction::SetPosition(answer.ordinal, answer.position));
        break;
      case AnsweredWidget::Edit:
        PlayNext(script, label,
                 DialogAction::SetText(answer.ordinal, WidgetText(label, answer.text)));
        break;
    }
  }
  if (!answers.press.empty()) {
    std::string label = "--press " + Shortened(answers.press);
    PlayNext(script, label, DialogAction::Press(WidgetText(label, answers.press)));
  }
  return script;
}

void DialogAnswerer::PlayNext(std::vector<DialogAction>& script, std::string label,
                              DialogAction action) {
  action.label = std::move(label);
  script.push_back(std::move(action));
}

}  // namespace refhost::cli
