#pragma once
// How a command that may ask, refuse or fail to save has ended, for callers that act on the
// difference: a window that closes only when it is done, a script's exit status. Whatever the
// result, the command has already told the user; the caller never shows a second message.

namespace tavrin {

enum class CommandResult {
  Declined,  // No to a question, or a question cancelled: nothing changed
  Refused,   // a typed value, a name or a missing file stopped it, with a message: nothing changed
  Done,
  NotSaved,  // a file could not be written; the user has been told which
};

}  // namespace tavrin
