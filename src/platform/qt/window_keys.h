#pragma once
// The keys people expect of a desktop window. Every window answers Escape and Ctrl+W by closing
// through its own close path (so an editor can still ask about unsaved work), Enter by pressing
// the focused button or else the default one, Ctrl+P by pressing its print button and F1 by
// pressing its help button. Report lists take the focus, scroll by keys and copy their lines.

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QWidget;

namespace tavrin::qt {

// The help shown by F1 in a window without a help button of its own.
void SetGeneralHelp(std::function<void()> show_help);

// Gives `window` the keys above; Escape and Ctrl+W close it.
void InstallWindowKeys(QWidget* window);

// The visible, enabled button of `window` whose design name ends in `role` ("printbutton",
// "infobutton", "donebutton"; the design names differ only in case), or null.
QPushButton* ButtonWithRole(const QWidget* window, const QString& role);

// Ctrl+P and F1 for a window that closes in its own way (the main window).
void InstallPrintAndHelpKeys(QWidget* window);

// A report list that takes the focus, so the arrows, PgUp/PgDn and Home/End scroll it, and
// whose lines can be chosen to copy them.
void MakeListReadable(QListWidget* list);
// Ctrl+C on the list copies its chosen lines (for windows without an Edit menu).
void AddCopyKey(QListWidget* list);
// Fills a report list with Latin-1 lines, shown from the top with the first line current, so
// the arrow keys start there.
void ShowReportLines(QListWidget* list, const std::vector<std::string>& lines);
// The chosen lines of `list` in their order, one per line; all of them when none is chosen.
QString ChosenLines(const QListWidget* list);

}  // namespace tavrin::qt
