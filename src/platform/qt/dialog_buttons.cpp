#include "platform/qt/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>

#include "platform/qt/push_button.h"

namespace tavrin::qt {
namespace {

QDialogButtonBox::ButtonRole RoleOf(DialogButton kind) {
  switch (kind) {
    case DialogButton::Accept: return QDialogButtonBox::AcceptRole;
    case DialogButton::Help: return QDialogButtonBox::HelpRole;
    case DialogButton::Close: return QDialogButtonBox::RejectRole;
    case DialogButton::Action:
    case DialogButton::Print: break;
  }
  return QDialogButtonBox::ActionRole;
}

// A key that presses `button`: a shortcut of the button itself, so it acts only while the
// button is shown and enabled in the active window.
void AddKey(QPushButton* button, const QKeySequence& keys) {
  auto* shortcut = new QShortcut(keys, button);
  QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}

}  // namespace

QDialogButtonBox* MakeDialogButtonBox(QDialog* dialog, Qt::Orientation orientation) {
  auto* box = new QDialogButtonBox(orientation, dialog);
  // An upright box takes its column's width, so its buttons line up with the buttons above it.
  if (orientation == Qt::Vertical) {
    box->setSizePolicy(QSizePolicy::Preferred, box->sizePolicy().verticalPolicy());
  }
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

QPushButton* AddDialogButton(QDialogButtonBox* box, DialogButton kind, const char* name,
                             const QString& caption, const QString& tooltip) {
  QPushButton* button = MakeButton(box, name, caption, tooltip);
  box->addButton(button, RoleOf(kind));
  if (kind == DialogButton::Accept) button->setDefault(true);
  if (kind == DialogButton::Print) AddKey(button, QKeySequence::Print);
  if (kind == DialogButton::Help) AddKey(button, QKeySequence::HelpContents);
  return button;
}

QPushButton* AddDialogButton(QDialogButtonBox* box, DialogButton kind, const char* name,
                             const QString& caption, const QString& tooltip,
                             ButtonPicture picture) {
  QPushButton* button = AddDialogButton(box, kind, name, caption, tooltip);
  button->setIcon(ButtonIcon(picture));
  return button;
}

}  // namespace tavrin::qt
