#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "refhost/cli/PhaseTimes.h"
#include "refhost/cli/answers/DialogAnswers.h"
#include "refhost/cli/answers/LastDialog.h"
#include "refhost/cli/loading/HostedPlugin.h"
#include "refhost/document/Document.h"

namespace refhost::cli {

// What to run on a document that was read from `model`.
struct MenuRunRequest {
  std::string plugin;  // the module's path, as messages name it
  std::string model;   // the model's path, or "-" for stdin, as messages name it
  std::string object;  // empty: the document's first object
  int command = 0;
  DialogAnswers answers;
};

// What one run of a menu command did to its document.
struct MenuRun {
  bool changed = false;
  const Object* base = nullptr;              // the object that was current
  std::unordered_set<const Object*> before;  // the document's objects before the command
  std::vector<const Object*> added;          // in document order
  // The targets the dialog had chosen when it closed, read before another
  // dialog replaces it.
  std::vector<ChosenTarget> chosen;
};

// CliError naming the module unless it is an object plug-in with menu
// command `request.command`.
void RequireMenuCommand(const HostedPlugin& plugin, const MenuRunRequest& request);

// Makes the requested object current; CliError naming the model when it
// holds no such object. The document is left as it was.
void MakeRequestedObjectCurrent(Document& document, const MenuRunRequest& request);

// The run both `refhost run` and the Python module make, so that their results
// are the same bytes: runs the menu command on the current object with the
// dialog answered from the request, and when it changed the document,
// checks its result (finite positions, free names) and notes the mix it
// chose for the writers. CliError for what the run refused, which may leave
// the document changed; `phases` times the command.
MenuRun RunMenu(const HostedPlugin& plugin, Document& document, const MenuRunRequest& request,
                PhaseTimes& phases);

// The line that says the command changed nothing, where `commandName` is its
// menu string as messages show it.
std::string UnchangedReport(const std::string& commandName);

// The menu string of `request.command`, escaped for messages.
std::string CommandName(const HostedPlugin& plugin, const MenuRunRequest& request);

// The objects the document holds.
std::unordered_set<const Object*> ObjectsOf(const Document& document);

}  // namespace refhost::cli
