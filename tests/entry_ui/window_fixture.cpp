#include "entry_ui/window_fixture.h"

#include <QApplication>
#include <QListWidget>
#include <QtTest>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/qt/latin1_text.h"
#include "season/data_files.h"

namespace tavrin::testing {

std::filesystem::path GoldenFolder(const std::string& name) {
  const std::filesystem::path shared = SharedDataDir();
  if (shared.empty()) return {};
  const std::filesystem::path folder = shared / "golden" / name;
  return std::filesystem::is_directory(folder) ? folder : std::filesystem::path{};
}

SeasonCopy::SeasonCopy(const std::filesystem::path& source) {
  if (!std::filesystem::is_directory(source)) return;
  folder.CopyFilesFrom(source);
  opened = ReadSettings(store, folder.path()) && ReadNames(store, folder.path());
  store.TeamCount = LeagueTeamCount;
  store.DayName = {"",          "Sunday",   "Monday", "Tuesday",
                   "Wednesday", "Thursday", "Friday", "Saturday"};
  store.ColourDepthFlag = 8;
}

namespace {

std::set<std::string> DataFileNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".dat") {
      names.insert(entry.path().filename().string());
    }
  }
  return names;
}

}  // namespace

QString FirstDifferentFile(const std::filesystem::path& one, const std::filesystem::path& other) {
  std::set<std::string> names = DataFileNames(one);
  const std::set<std::string> other_names = DataFileNames(other);
  names.insert(other_names.begin(), other_names.end());
  for (const std::string& name : names) {
    if (!std::filesystem::exists(one / name) || !std::filesystem::exists(other / name) ||
        ReadFileBytes(one / name) != ReadFileBytes(other / name)) {
      return QString::fromStdString(name);
    }
  }
  return {};
}

std::string FolderSnapshot(const std::filesystem::path& folder) {
  std::string snapshot;
  for (const std::string& name : DataFileNames(folder)) {
    snapshot += name + "\n" + ReadFileBytes(folder / name) + "\n";
  }
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
  if (text.isEmpty()) {
    QTest::keyClick(box, Qt::Key_Delete);
  } else {
    QTest::keyClicks(box, text);
  }
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

std::vector<std::string> GoldenReportLines(const std::string& file) {
  std::istringstream in(ReadFileBytes(SharedDataDir() / "golden/1999/reports" / file));
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

void SettleClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

std::vector<SeasonGame> SeasonGames(int year, int week) {
  std::vector<SeasonGame> games;
  const std::filesystem::path shared = SharedDataDir();
  if (shared.empty()) return games;
  std::ifstream in(shared / "seasons" / (std::to_string(year) + ".csv"));
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream row(line);
    for (std::string field; std::getline(row, field, ',');) fields.push_back(field);
    if (fields.size() < 8 || std::stoi(fields[1]) != week) continue;
    games.push_back({week, std::stoi(fields[3]), std::stoi(fields[4]), std::stoi(fields[5]),
                     fields[6], fields[7]});
  }
  return games;
}

}  // namespace tavrin::testing
