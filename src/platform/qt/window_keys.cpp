#include "platform/qt/window_keys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QShortcut>

#include "platform/qt/latin1_text.h"

namespace tavrin::qt {
namespace {

std::function<void()>& GeneralHelp() {
  static std::function<void()> show_help;
  return show_help;
}

void AddShortcut(QWidget* window, const QKeySequence& keys, std::function<void()> run) {
  auto* shortcut = new QShortcut(keys, window);
  QObject::connect(shortcut, &QShortcut::activated, window, std::move(run));
}

}  // namespace

void SetGeneralHelp(std::function<void()> show_help) { GeneralHelp() = std::move(show_help); }

void ShowGeneralHelp() {
  if (GeneralHelp()) GeneralHelp()();
}

void InstallCloseKeys(QWidget* window) {
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    AddShortcut(window, keys, [window] { window->close(); });
  }
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
