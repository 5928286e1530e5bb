#include "entry_ui/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <set>

#include "platform/qt/latin1_text.h"

namespace tavrin::testing {

std::string FolderSnapshot(const std::filesystem::path& folder) {
  std::set<std::string> names;  // in name order, whatever order the folder lists them in
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".dat") names.insert(entry.path().filename().string());
  }
  std::string snapshot;
  for (const std::string& name : names) snapshot += name + "\n" + ReadFileBytes(folder / name);
  return snapshot;
}

void Click(QWidget* control) {
  if (control == nullptr) return;
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void Click(QWidget* window, const QString& name) { Click(Control<QWidget>(window, name)); }

void TypeOver(QLineEdit* box, const QString& text) {
  if (box == nullptr) return;
  Click(box);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

void TypeOver(QWidget* window, const QString& name, const QString& text) {
  TypeOver(Control<QLineEdit>(window, name), text);
}

QWidget* OpenWindow(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return widget;
  }
  return nullptr;
}

std::vector<std::string> ListLines(const QWidget* window, const char* list_name) {
  std::vector<std::string> lines;
  const auto* list = window->findChild<QListWidget*>(list_name);
  if (list == nullptr) return lines;
  for (int row = 0; row < list->count(); ++row)
    lines.push_back(qt::ToLatin1(list->item(row)->text()));
  return lines;
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

void SettleClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace tavrin::testing
