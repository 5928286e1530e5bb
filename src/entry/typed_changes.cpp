#include "entry/typed_changes.h"

namespace tavrin {

bool MayCloseWithTypedChanges(UserInterface& ui, bool typed_changes) {
  return !typed_changes || ui.AskYesNo("Discard the changes you typed?", "Tavrin",
                                       MessageIcon::Exclamation, DefaultButton::Second);
}

}  // namespace tavrin
