#pragma once

#include "refhost/cli/DialogAnswers.h"

namespace refhost::cli {

// Chooses who answers the plug-in's dialogs for one command: the answers
// from the command line, else the person at the terminal, else the default
// button. Installed for the session's lifetime.
class DialogSession {
 public:
  explicit DialogSession(const DialogAnswers& answers);
  ~DialogSession();
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;

  // CliError when an answer named a widget or list item the dialog lacks.
  void CheckAnswersUsed() const;

 private:
  const DialogAnswers& answers_;
};

}  // namespace refhost::cli
