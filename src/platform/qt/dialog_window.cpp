#include "platform/qt/dialog_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "platform/qt/window_keys.h"

namespace tavrin::qt {
namespace {

bool HasHelpButton(const QDialog* dialog) {
  for (const QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>()) {
    for (QAbstractButton* button : box->buttons()) {
      if (box->buttonRole(button) == QDialogButtonBox::HelpRole) return true;
    }
  }
  return false;
}

// Ctrl+W closes the dialog wherever the focus is: the key is claimed ahead of the control with
// the focus (a text box would take it for its own) and closes through the dialog's close path.
class CloseKey : public QObject {
 public:
  explicit CloseKey(QDialog* dialog) : QObject(dialog), dialog_(dialog) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
      return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->keyCombination() != QKeyCombination(Qt::ControlModifier, Qt::Key_W)) return false;
    event->accept();
    if (event->type() == QEvent::KeyPress) dialog_->close();
    return true;
  }

 private:
  QDialog* dialog_;
};

// The window frame's room around the dialog, which the free area must hold too.
constexpr int FrameAllowance = 40;

void FitToScreen(QDialog* dialog) {
  const QWidget* owner = dialog->parentWidget();
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  QSize size = dialog->sizeHint().expandedTo(dialog->minimumSizeHint());
  if (screen != nullptr) {
    const QSize area = screen->availableGeometry().size();
    size = size.boundedTo(area - QSize(FrameAllowance / 2, FrameAllowance));
  }
  dialog->resize(size);
}

}  // namespace

void ShowDialog(QDialog* dialog) {
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  auto* close_key = new CloseKey(dialog);
  dialog->installEventFilter(close_key);
  for (QWidget* control : dialog->findChildren<QWidget*>()) control->installEventFilter(close_key);
  if (!HasHelpButton(dialog)) {
    auto* help_key = new QShortcut(QKeySequence::HelpContents, dialog);
    QObject::connect(help_key, &QShortcut::activated, dialog, &ShowGeneralHelp);
  }
  FitToScreen(dialog);
  dialog->show();
  dialog->activateWindow();
}

}  // namespace tavrin::qt
