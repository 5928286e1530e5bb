#include "views_ui/view_test_support.h"

#include <QCoreApplication>
#include <QEvent>
#include <sstream>

#include "platform/qt/latin1_text.h"
#include "season/data_files.h"

namespace tavrin::testing {

SeasonCopy::SeasonCopy(const std::string& stage, const std::string& golden_case) {
  if (SharedDataDir().empty()) return;
  folder.CopyFilesFrom(SharedDataDir() / "golden" / golden_case / stage);
  opened = ReadSettings(store, folder.path()) && ReadNames(store, folder.path());
  store.TeamCount = LeagueTeamCount;
  store.DayName = {"",          "Sunday",   "Monday", "Tuesday",
                   "Wednesday", "Thursday", "Friday", "Saturday"};
}

std::vector<std::string> GoldenReportLines(const std::string& file,
                                           const std::string& golden_case) {
  std::istringstream in(ReadFileBytes(SharedDataDir() / "golden" / golden_case / "reports" / file));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> ListLines(const QWidget* window, const char* list_name) {
  std::vector<std::string> lines;
  const auto* list = window->findChild<QListWidget*>(list_name);
  if (list == nullptr) return lines;
  for (int row = 0; row < list->count(); ++row)
    lines.push_back(qt::ToLatin1(list->item(row)->text()));
  return lines;
}

bool Refused(const SeasonCopy& season, const QWidget* opened, const std::string& message) {
  const auto& messages = season.ui.messages;
  return opened == nullptr && messages.size() == 1 && messages[0].text == message &&
         messages[0].caption == "Tavrin" && messages[0].icon == MessageIcon::Exclamation &&
         season.main_window.isEnabled();
}

void SettleClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace tavrin::testing
