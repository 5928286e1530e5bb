#include "platform/qt/secondary_window.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include "platform/qt/window_keys.h"

namespace tavrin::qt {
namespace {

// Kept on the owner itself, so two windows handing over to each other need no shared state.
constexpr const char* OpenCountProperty = "tavrinSecondaryWindows";

void ChangeOpenCount(QWidget* owner, int change) {
  const int count = OpenSecondaryWindowCount(owner) + change;
  owner->setProperty(OpenCountProperty, count);
  owner->setEnabled(count <= 0);
}

}  // namespace

void CentreOnScreen(QWidget* window, const QWidget* owner) {
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  window->move(area.left() + (area.width() - window->width()) / 2,
               area.top() + (area.height() - window->height()) / 2);
}

int OpenSecondaryWindowCount(const QWidget* owner) {
  return owner != nullptr ? owner->property(OpenCountProperty).toInt() : 0;
}

void ShowSecondaryWindow(QWidget* window, QWidget* owner) {
  // A window of its own rather than a child of the owner, which disabling the owner would
  // disable too.
  window->setParent(nullptr, window->windowFlags() | Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (owner != nullptr) {
    ChangeOpenCount(owner, +1);
    QPointer<QWidget> guarded_owner(owner);
    QObject::connect(window, &QObject::destroyed, owner, [guarded_owner] {
      if (guarded_owner) ChangeOpenCount(guarded_owner, -1);
    });
  }
  InstallWindowKeys(window);
  window->adjustSize();
  CentreOnScreen(window, owner);
  window->show();
  window->activateWindow();
}

}  // namespace tavrin::qt
