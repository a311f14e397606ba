#pragma once

#include <memory>
#include <string>
#include <vector>

#include "refhost/cli/answers/DialogAnswers.h"
#include "refhost/widgetservice/ScriptedDriver.h"

namespace refhost::cli {

// Chooses who answers the plug-in's dialogs while it lives: the answers
// from the command line, else the person at the terminal, else nobody, so
// that the default button is pressed.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(const DialogAnswers& answers);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // CliError naming the answer that found no such widget, item or button.
  void CheckAnswersUsed() const;

 private:
  static std::vector<DialogAction> Script(const DialogAnswers& answers);
  // Appends `action`, labelled with the answer as typed.
  static void PlayNext(std::vector<DialogAction>& script, std::string label, DialogAction action);

  std::shared_ptr<ScriptedDriver> script_;
};

}  // namespace refhost::cli
