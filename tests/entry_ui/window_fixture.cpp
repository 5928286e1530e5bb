#include "entry_ui/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

namespace tavrin::testing {

void Click(QWidget* control) {
  if (control == nullptr) return;
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void Click(QWidget* window, const QString& name) { Click(Control<QWidget>(window, name)); }

QWidget* OpenWindow(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return widget;
  }
  return nullptr;
}

QStringList ClippedControls(QWidget* window) {
  QStringList clipped;
  if (window->width() < window->minimumSizeHint().width()) clipped << window->objectName();
  for (QWidget* control : window->findChildren<QWidget*>()) {
    const bool is_text = qobject_cast<QLabel*>(control) != nullptr ||
                         qobject_cast<QAbstractButton*>(control) != nullptr ||
                         qobject_cast<QGroupBox*>(control) != nullptr;
    const QSize needed = control->minimumSizeHint();
    if (is_text && control->isVisible() &&
        (control->width() < needed.width() || control->height() < needed.height())) {
      auto* label = qobject_cast<QLabel*>(control);
      clipped << QStringLiteral("%1 '%2'").arg(control->objectName(),
                                               label != nullptr ? label->text() : QString());
    }
  }
  const QString folder = qEnvironmentVariable("TAVRIN_SCREENSHOT_DIR");
  if (!folder.isEmpty()) window->grab().save(folder + "/" + window->objectName() + ".png");
  return clipped;
}

}  // namespace tavrin::testing
