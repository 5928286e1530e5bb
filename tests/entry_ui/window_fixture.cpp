#include "entry_ui/window_fixture.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>
#include <algorithm>

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
  return clipped;
}

// The boxes that no label names as its buddy and that carry no name of their own.
QStringList UnlabelledBoxes(QWidget* window) {
  QSet<QWidget*> labelled;
  for (const QLabel* label : window->findChildren<QLabel*>()) labelled.insert(label->buddy());
  QStringList unlabelled;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    // A scroll bar of a list or table moves its view; one on its own sets a value.
    const bool view_part =
        qobject_cast<QAbstractScrollArea*>(control->parentWidget()) != nullptr ||
        (control->parentWidget() != nullptr &&
         qobject_cast<QAbstractScrollArea*>(control->parentWidget()->parentWidget()) != nullptr) ||
        qobject_cast<QComboBox*>(control->parentWidget()) != nullptr;
    const bool box = qobject_cast<QLineEdit*>(control) != nullptr ||
                     qobject_cast<QComboBox*>(control) != nullptr ||
                     qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                     qobject_cast<QAbstractSlider*>(control) != nullptr;
    if (box && !view_part && !labelled.contains(control) && control->accessibleName().isEmpty())
      unlabelled << control->objectName();
  }
  return unlabelled;
}

void ExpectDialogRules(QWidget* window, QWidget* main_window, Growth growth) {
  QVERIFY(window != nullptr);
  const QString name = window->objectName();
  QVERIFY2(qobject_cast<QDialog*>(window) != nullptr, qPrintable(name));
  QCOMPARE(window->parentWidget(), main_window);
  QVERIFY2(window->isWindow() && window->isVisible(), qPrintable(name));
  QCOMPARE(window->windowModality(), Qt::WindowModal);
  QVERIFY(QTest::qWaitForWindowExposed(window));
  // A transient window stays above its parent; the modal one takes the parent's input.
  QCOMPARE(window->windowHandle()->transientParent(), main_window->windowHandle());
  QCOMPARE(QGuiApplication::modalWindow(), window->windowHandle());
  main_window->raise();
  main_window->activateWindow();
  QCOMPARE(QGuiApplication::modalWindow(), window->windowHandle());
  QCOMPARE(UnlabelledBoxes(window), QStringList());

  const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
  const QSize room = SmallScreen - FrameRoom;
  QVERIFY2(least.width() <= room.width() && least.height() <= room.height(),
           qPrintable(
               QStringLiteral("%1 needs %2x%3").arg(name).arg(least.width()).arg(least.height())));
  const QSize before = window->size();
  QHash<QWidget*, QSize> sizes;
  for (QWidget* control : window->findChildren<QWidget*>()) sizes.insert(control, control->size());
  window->resize(before + QSize(120, 90));
  QCoreApplication::processEvents();
  if (growth == Growth::Fixed) {
    QCOMPARE(window->size(), before);
    return;
  }
  QCOMPARE(window->size(), before + QSize(120, 90));
  // The growth goes to the content (a list, a table, a chart), not to empty margins.
  const bool content_grew = std::any_of(sizes.keyBegin(), sizes.keyEnd(), [&](QWidget* control) {
    return control->isVisible() && control->width() > sizes[control].width() &&
           control->height() > sizes[control].height();
  });
  QVERIFY2(content_grew, qPrintable(name));
  window->resize(before);
  QCoreApplication::processEvents();
}

}  // namespace tavrin::testing
