// Every data file of the golden final states, read by the readers and written back by the
// writers, must come out byte for byte the same.

#include <gtest/gtest.h>

#include "season/data_files.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::SharedDataDir;
using testing::TempFolder;

std::vector<std::filesystem::path> GoldenFinalFolders() {
  std::vector<std::filesystem::path> folders;
  for (const auto& entry : std::filesystem::directory_iterator(SharedDataDir() / "golden")) {
    if (std::filesystem::is_directory(entry.path() / "final"))
      folders.push_back(entry.path() / "final");
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

// The years of the schedule or statistics files of a folder ("TVSC1999.dat" -> 1999).
std::vector<int> YearsOf(const std::filesystem::path& folder, const std::string& prefix) {
  std::vector<int> years;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) years.push_back(std::stoi(name.substr(prefix.size())));
  }
  return years;
}

TEST(GoldenRoundTrip, SettingsAndNamesFiles) {
  TAVRIN_REQUIRE_SHARED_DATA();
  for (const auto& final_folder : GoldenFinalFolders()) {
    SCOPED_TRACE(final_folder);
    SeasonStore store;
    ASSERT_TRUE(ReadSettings(store, final_folder));
    ASSERT_TRUE(ReadNames(store, final_folder));
    EXPECT_EQ(store.WeeksInSeason, 17);
    TempFolder out;
    ASSERT_TRUE(WriteSettings(store, out.path()));
    ASSERT_EQ(WriteNames(store, out.path()), NamesWriteResult::Written);
    EXPECT_EQ(ReadFileBytes(out.path() / SettingsFileName),
              ReadFileBytes(final_folder / SettingsFileName));
    EXPECT_EQ(ReadFileBytes(out.path() / NamesFileName),
              ReadFileBytes(final_folder / NamesFileName));
  }
}

TEST(GoldenRoundTrip, EveryWeekOfTheScheduleFiles) {
  TAVRIN_REQUIRE_SHARED_DATA();
  for (const auto& final_folder : GoldenFinalFolders()) {
    for (int year : YearsOf(final_folder, "TVSC")) {
      SCOPED_TRACE(final_folder / ScheduleFileName(year));
      SeasonStore store;
      store.WorkingYear = static_cast<int16_t>(year);
      TempFolder out;
      for (int week = 1; week <= 17; ++week) {
        ReadScheduleWeek(store, final_folder, week);
        ASSERT_EQ(store.ScheduleStatus, "") << week;
        ASSERT_TRUE(WriteScheduleWeek(store, out.path(), week)) << week;
      }
      EXPECT_EQ(ReadFileBytes(out.path() / ScheduleFileName(year)),
                ReadFileBytes(final_folder / ScheduleFileName(year)));
    }
  }
}

TEST(GoldenRoundTrip, EveryBlockOfTheStatisticsFiles) {
  TAVRIN_REQUIRE_SHARED_DATA();
  for (const auto& final_folder : GoldenFinalFolders()) {
    for (int year : YearsOf(final_folder, "TVSt")) {
      SCOPED_TRACE(final_folder / StatisticsFileName(year));
      SeasonStore store;
      store.WorkingYear = static_cast<int16_t>(year);
      store.TeamCount = 31;
      TempFolder out;
      for (int block = 0; block <= 17; ++block) {
        store.SelectedWeek = static_cast<int16_t>(block + 1);
        LoadStatsBlock(store, final_folder);
        // Every block of a finished season opens a week with predictions.
        ASSERT_EQ(store.StatsStatus, "") << block;
        ASSERT_TRUE(WriteStatsBlock(store, out.path(), block)) << block;
      }
      EXPECT_EQ(ReadFileBytes(out.path() / StatisticsFileName(year)),
                ReadFileBytes(final_folder / StatisticsFileName(year)));
    }
  }
}

}  // namespace
}  // namespace tavrin
