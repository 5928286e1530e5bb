#include "platform/qt/window_keys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "platform/qt/latin1_text.h"

namespace tavrin::qt {
namespace {

std::function<void()>& GeneralHelp() {
  static std::function<void()> show_help;
  return show_help;
}

bool Usable(const QPushButton* button) {
  return button != nullptr && button->isVisible() && button->isEnabled();
}

void PressRole(const QWidget* window, const QString& role) {
  if (QPushButton* button = ButtonWithRole(window, role)) button->click();
}

// Enter on a window that is not a dialog: Qt leaves it to the window, so the focused button
// takes it, else the window's default button.
class EnterPressesButton : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        key->modifiers() & ~Qt::KeypadModifier) {
      return false;
    }
    auto* window = static_cast<QWidget*>(watched);
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (!Usable(button) || button->window() != window) button = nullptr;
    if (button == nullptr) {
      for (QPushButton* candidate : window->findChildren<QPushButton*>()) {
        if (candidate->isDefault() && Usable(candidate)) button = candidate;
      }
    }
    if (button == nullptr) return false;
    button->click();
    return true;
  }
};

void AddShortcut(QWidget* window, const QKeySequence& keys, std::function<void()> run) {
  auto* shortcut = new QShortcut(keys, window);
  QObject::connect(shortcut, &QShortcut::activated, window, std::move(run));
}

}  // namespace

void SetGeneralHelp(std::function<void()> show_help) { GeneralHelp() = std::move(show_help); }

QPushButton* ButtonWithRole(const QWidget* window, const QString& role) {
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (Usable(button) && button->objectName().endsWith(role, Qt::CaseInsensitive)) return button;
  }
  return nullptr;
}

void InstallPrintAndHelpKeys(QWidget* window) {
  AddShortcut(window, QKeySequence::Print, [window] { PressRole(window, "printbutton"); });
  AddShortcut(window, QKeySequence::HelpContents, [window] {
    if (QPushButton* help = ButtonWithRole(window, "infobutton")) {
      help->click();
    } else if (GeneralHelp()) {
      GeneralHelp()();
    }
  });
}

void InstallWindowKeys(QWidget* window) {
  InstallPrintAndHelpKeys(window);
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    AddShortcut(window, keys, [window] { window->close(); });
  }
  window->installEventFilter(new EnterPressesButton(window));
}

void ShowReportLines(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const std::string& line : lines) list->addItem(FromLatin1(line));
  if (list->count() > 0) list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  list->scrollToTop();
}

QString ChosenLines(const QListWidget* list) {
  QStringList lines;
  const bool all = list->selectedItems().isEmpty();
  for (int row = 0; row < list->count(); ++row) {
    if (all || list->item(row)->isSelected()) lines << list->item(row)->text();
  }
  return lines.join('\n');
}

void MakeListReadable(QListWidget* list) {
  list->setFocusPolicy(Qt::StrongFocus);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void AddCopyKey(QListWidget* list) {
  auto* copy = new QAction(list);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, list,
                   [list] { QGuiApplication::clipboard()->setText(ChosenLines(list)); });
  list->addAction(copy);
}

}  // namespace tavrin::qt
