#pragma once
// What the window tests share: a scratch copy of a recorded season opened as the program opens
// it, a stand-in main window, and reading a window's controls back.

#include <QListWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/session.h"
#include "season/season_store.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin::testing {

// A copy of golden/<case>/<stage> with the settings and names read and the day names set.
struct SeasonCopy {
  explicit SeasonCopy(const std::string& stage = "final", const std::string& golden_case = "1999");

  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  Session session{store, ui, folder.path()};
  QWidget main_window;
  bool opened = false;
};

std::vector<std::string> GoldenReportLines(const std::string& file,
                                           const std::string& golden_case = "1999");

// The lines of a window's list `List1`, as Latin-1.
std::vector<std::string> ListLines(const QWidget* window, const char* list_name = "List1");

// An open function refused: it opened nothing, showed `message` once (caption "Tavrin",
// exclamation icon) and left the main window enabled.
bool Refused(const SeasonCopy& season, const QWidget* opened, const std::string& message);

// Runs the deletions closing windows left pending, so a closed window is gone.
void SettleClosedWindows();

}  // namespace tavrin::testing

// Skips the test when the recorded seasons are not beside the clone.
#define TAVRIN_QSKIP_WITHOUT_SHARED_DATA()                            \
  do {                                                                \
    if (::tavrin::testing::SharedDataDir().empty())                   \
      QSKIP("the shared seasons and golden outputs are not present"); \
  } while (false)
