#include "refhost/cli/DialogSession.h"

namespace refhost::cli {

DialogSession::DialogSession(const DialogAnswers& answers) : answers_(answers) {}

DialogSession::~DialogSession() = default;

void DialogSession::CheckAnswersUsed() const {}

}  // namespace refhost::cli
