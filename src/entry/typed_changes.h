#pragma once
// The question every entry window asks before it closes over work the user typed but did not
// save: closing must never throw that away silently.

#include "platform/user_interface.h"

namespace tavrin {

// True when the window may close: nothing was typed since the last save, or the user answers
// Yes to "Discard the changes you typed?" (No by default).
bool MayCloseWithTypedChanges(UserInterface& ui, bool typed_changes);

}  // namespace tavrin
