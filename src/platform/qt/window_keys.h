#pragma once
// The keys people expect of a desktop window beyond what Qt's dialogs give: F1 for the general
// help where a window has no help of its own, Escape and Ctrl+W for a window that is not a
// dialog, and report lists that take the focus, scroll by keys and copy their lines.

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QWidget;

namespace tavrin::qt {

// The help shown by F1 in a window without a help button of its own.
void SetGeneralHelp(std::function<void()> show_help);
void ShowGeneralHelp();

// Escape and Ctrl+W close `window` (a window of its own that is not a dialog).
void InstallCloseKeys(QWidget* window);

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
