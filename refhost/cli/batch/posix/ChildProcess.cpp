#include "refhost/cli/batch/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "refhost/cli/CliError.h"
#include "refhost/files/WholeFile.h"

extern char** environ;

namespace refhost::cli {

namespace {

// The running program's own file, whatever name or folder it was started by.
constexpr const char* kThisProgram = "/proc/self/exe";

OpenedFile NewCapture() {
  OpenedFile capture(std::tmpfile());
  if (!capture)
    throw CliError(std::string("cannot make a scratch file for a worker's output: ") +
                   std::strerror(errno));
  return capture;
}

std::string ReadCapture(std::FILE* capture) {
  std::string text;
  std::rewind(capture);
  char block[4096];
  for (std::size_t read; (read = std::fread(block, 1, sizeof block, capture)) > 0;)
    text.append(block, read);
  return text;
}

// Frees the spawn attributes on every way out.
struct FileActions {
  FileActions() { posix_spawn_file_actions_init(&actions); }
  ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  posix_spawn_file_actions_t actions;
};

}  // namespace

struct ChildProcess::Running {
  pid_t pid = 0;
  OpenedFile out = NewCapture();
  OpenedFile err = NewCapture();
  std::optional<int> waitStatus;  // set once the child was reaped

  int Reap() {
    while (!waitStatus) {
      int status = 0;
      if (waitpid(pid, &status, 0) == pid)
        waitStatus = status;
      else if (errno != EINTR)
        waitStatus = W_EXITCODE(127, 0);
    }
    return *waitStatus;
  }
};

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
    : running_(std::make_unique<Running>()) {
  std::vector<char*> argv{const_cast<char*>("refhost")};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  FileActions files;
  posix_spawn_file_actions_addopen(&files.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&files.actions, fileno(running_->out.get()), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&files.actions, fileno(running_->err.get()), STDERR_FILENO);
  const int error =
      posix_spawn(&running_->pid, kThisProgram, &files.actions, nullptr, argv.data(), environ);
  if (error != 0)
    throw CliError(std::string("cannot start a worker process: ") + std::strerror(error));
}

ChildProcess::~ChildProcess() {
  if (running_) running_->Reap();
}

ChildOutcome ChildProcess::Finish() {
  const int status = running_->Reap();
  ChildOutcome outcome;
  if (WIFEXITED(status))
    outcome.exitStatus = WEXITSTATUS(status);
  else
    outcome.crash =
        "signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
  outcome.out = ReadCapture(running_->out.get());
  outcome.err = ReadCapture(running_->err.get());
  return outcome;
}

std::size_t AwaitAny(const std::vector<std::unique_ptr<ChildProcess>>& children) {
  for (;;) {
    for (std::size_t index = 0; index < children.size(); ++index)
      if (children[index]->running_->waitStatus) return index;
    int status = 0;
    const pid_t pid = waitpid(-1, &status, 0);
    if (pid < 0 && errno == EINTR) continue;
    for (const auto& child : children)
      if (child->running_->pid == pid) child->running_->waitStatus = status;
    if (pid < 0) return 0;  // nothing left to wait for: the first one's Reap says why
  }
}

}  // namespace refhost::cli
