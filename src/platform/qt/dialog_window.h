#pragma once
// Secondary windows are dialogs owned by the window that opens them. Window-modal over their
// owner, they stand in front of it for as long as they are open (the window system keeps a
// dialog above its parent) and the owner takes no input until they close. A dialog may hand over
// to the next one (the graph's team selection and the graph itself): the owner stays blocked.

class QDialog;

namespace tavrin::qt {

// Shows `dialog`, made with its owner as parent, window-modal over it and centred on it, at the
// size its layout asks for but never larger than the free area of the owner's screen; closing
// deletes it. Escape (Qt's own) and Ctrl+W close it through reject(), so an editor can still ask
// about typed work; F1 opens the general help when the dialog has no help button of its own.
void ShowDialog(QDialog* dialog);

}  // namespace tavrin::qt
