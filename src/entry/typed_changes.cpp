#include "entry/typed_changes.h"

#include "platform/messages.h"

namespace tavrin {

bool MayCloseWithTypedChanges(UserInterface& ui, bool typed_changes) {
  return !typed_changes || ui.AskYesNo("Discard the changes you typed?", ProgramCaption,
                                       MessageIcon::Exclamation, DefaultButton::Second);
}

}  // namespace tavrin
