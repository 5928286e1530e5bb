#include <gtest/gtest.h>

#include <tuple>

#include "season/data_files.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class SettingsFile : public ::testing::Test {
 protected:
  void WriteSettingsText(const std::string& text) {
    WriteFileBytes(folder.path() / SettingsFileName, text);
  }
  TempFolder folder;
  SeasonStore store;
};

TEST_F(SettingsFile, IsWrittenAsSevenCrLfLinesWithTheFourthEmpty) {
  store.WorkingYear = 1999;
  store.Reactivity = 75;
  store.Weighting = 62.5f;
  store.LastScoredWeek = 4;
  store.ReportFont = "Courier New";
  store.WeeksInSeason = 17;
  ASSERT_TRUE(WriteSettings(store, folder.path()));
  EXPECT_EQ(ReadFileBytes(folder.path() / SettingsFileName),
            "1999\r\n75\r\n62.5\r\n\r\n4\r\n\"Courier New\"\r\n17\r\n");

  SeasonStore read;
  ASSERT_TRUE(ReadSettings(read, folder.path()));
  EXPECT_EQ(read.WorkingYear, 1999);
  EXPECT_EQ(read.Reactivity, 75);
  EXPECT_EQ(read.Weighting, 62.5f);
  EXPECT_EQ(read.LastScoredWeek, 4);
  EXPECT_EQ(read.ReportFont, "Courier New");
  EXPECT_EQ(read.WeeksInSeason, 17);
  EXPECT_EQ(read.TeamCount, 31);
}

TEST_F(SettingsFile, AnEmptyFontIsTwoQuotes) {
  store.WorkingYear = 2000;
  ASSERT_TRUE(WriteSettings(store, folder.path()));
  EXPECT_EQ(ReadFileBytes(folder.path() / SettingsFileName),
            "2000\r\n0\r\n0\r\n\r\n0\r\n\"\"\r\n0\r\n");
  store.ReportFont = "stale";
  ASSERT_TRUE(ReadSettings(store, folder.path()));
  EXPECT_EQ(store.ReportFont, "");
}

TEST_F(SettingsFile, WidensTwoDigitYears) {
  for (const auto& [text, year] : std::vector<std::pair<std::string, int>>{{"98", 1998},
                                                                           {"99", 1999},
                                                                           {"5", 2005},
                                                                           {"0", 2000},
                                                                           {"96", 2096},
                                                                           {"97", 97},
                                                                           {"1999", 1999},
                                                                           {"2001", 2001},
                                                                           {"100", 100}}) {
    WriteSettingsText(text + "\r\n100\r\n100\r\n\r\n0\r\n\"\"\r\n17\r\n");
    ASSERT_TRUE(ReadSettings(store, folder.path())) << text;
    EXPECT_EQ(store.WorkingYear, year) << text;
  }
}

TEST_F(SettingsFile, ReadsLenientlyAndRoundsHalvesToEven) {
  WriteSettingsText(" 1999 \n  80.5%\n\"120\"\n junk\n2.5\n  \"Arial\" , ignored\n17 weeks");
  ASSERT_TRUE(ReadSettings(store, folder.path()));
  EXPECT_EQ(store.WorkingYear, 1999);
  EXPECT_EQ(store.Reactivity, 80.5f);
  EXPECT_EQ(store.Weighting, 120);
  EXPECT_EQ(store.LastScoredWeek, 2);
  EXPECT_EQ(store.ReportFont, "Arial");
  EXPECT_EQ(store.WeeksInSeason, 17);
}

TEST_F(SettingsFile, AMissingFileFailsAndCreatesNothing) {
  store.WorkingYear = 1234;
  EXPECT_FALSE(ReadSettings(store, folder.path()));
  EXPECT_EQ(store.WorkingYear, 1234);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / SettingsFileName));
}

// A reader that stored a field from a damaged line, or dropped the fields read before it,
// would leave the settings of neither file.
TEST_F(SettingsFile, StopsAtTheFirstLineThatIsMissingOrDoesNotFitAndKeepsTheRest) {
  using Fields = std::tuple<int, float, float, int, std::string, int>;
  const struct {
    std::string text;
    Fields after;  // year, reactivity, weighting, last scored week, font, weeks
  } cases[] = {
      {"1999\r\n100\r\n90\r\n\r\n40000\r\n\"Arial\"\r\n17\r\n", {1999, 100, 90, 9, "kept", 21}},
      {"2000\r\n100\r\n100\r\n", {2000, 100, 100, 9, "kept", 21}},
      {"2001\r\n1" + std::string(60, '0') + "\r\n100\r\n\r\n1\r\n\"\"\r\n17\r\n",
       {2001, 50, 50, 9, "kept", 21}},  // beyond a single's range
      {"1999\r\n100\r\n100\r\n\r\n1\r\n\"\"\r\n", {1999, 100, 100, 1, "", 21}},
      {std::string(100000, '9'), {1234, 50, 50, 9, "kept", 21}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    store.WorkingYear = 1234;
    store.Reactivity = store.Weighting = 50;
    store.LastScoredWeek = 9;
    store.ReportFont = "kept";
    store.WeeksInSeason = 21;
    WriteSettingsText(c.text);
    EXPECT_FALSE(ReadSettings(store, folder.path()));
    EXPECT_EQ(Fields(store.WorkingYear, store.Reactivity, store.Weighting, store.LastScoredWeek,
                     store.ReportFont, store.WeeksInSeason),
              c.after);
  }
}

class NamesFile : public ::testing::Test {
 protected:
  void FillNames() {
    for (int team = 1; team <= 31; ++team) {
      store.LocationName[team] = "City " + std::to_string(team);
      store.TeamName[team] = "Team " + std::to_string(team);
    }
  }
  TempFolder folder;
  SeasonStore store;
};

TEST_F(NamesFile, WritesLocationsThenTeamsAsQuotedCrLfLines) {
  FillNames();
  store.LocationName[32] = "never written";
  ASSERT_EQ(WriteNames(store, folder.path()), NamesWriteResult::Written);
  const std::string text = ReadFileBytes(folder.path() / NamesFileName);
  EXPECT_EQ(text.substr(0, 20), "\"City 1\"\r\n\"City 2\"\r\n");
  EXPECT_NE(text.find("\"City 31\"\r\n\"Team 1\"\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 11), "\"Team 31\"\r\n");
  EXPECT_EQ(text.find("never"), std::string::npos);

  SeasonStore read;
  ASSERT_TRUE(ReadNames(read, folder.path()));
  for (int team = 1; team <= 31; ++team) {
    EXPECT_EQ(read.LocationName[team], store.LocationName[team]);
    EXPECT_EQ(read.TeamName[team], store.TeamName[team]);
  }
  EXPECT_EQ(read.LocationName[32], "");
}

TEST_F(NamesFile, ANameWithACommaOrLatin1LettersRoundTrips) {
  FillNames();
  store.LocationName[7] = "St. Louis, MO";
  store.TeamName[8] =
      "  Fu\xDF"
      "ball ";
  ASSERT_EQ(WriteNames(store, folder.path()), NamesWriteResult::Written);
  SeasonStore read;
  ASSERT_TRUE(ReadNames(read, folder.path()));
  EXPECT_EQ(read.LocationName[7], "St. Louis, MO");
  EXPECT_EQ(read.TeamName[8],
            "  Fu\xDF"
            "ball ");
}

TEST_F(NamesFile, RefusesANameWithAQuoteOrALineBreakAndLeavesTheFile) {
  FillNames();
  ASSERT_EQ(WriteNames(store, folder.path()), NamesWriteResult::Written);
  const std::string before = ReadFileBytes(folder.path() / NamesFileName);
  store.LocationName[31] = "The \"Bay\"";
  EXPECT_EQ(WriteNames(store, folder.path()), NamesWriteResult::QuoteInName);
  store.LocationName[31] = "Two\r\nLines";
  EXPECT_EQ(WriteNames(store, folder.path()), NamesWriteResult::QuoteInName);
  EXPECT_EQ(ReadFileBytes(folder.path() / NamesFileName), before);
}

TEST_F(NamesFile, ReadsWhatAShortFileHoldsAndReportsIt) {
  EXPECT_FALSE(ReadNames(store, folder.path()));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / NamesFileName));
  store.TeamName[1] = "kept";
  WriteFileBytes(folder.path() / NamesFileName, "\"Buffalo\"\r\nIndianapolis\n\"Miami");
  EXPECT_FALSE(ReadNames(store, folder.path()));
  EXPECT_EQ(store.LocationName[1], "Buffalo");
  EXPECT_EQ(store.LocationName[2], "Indianapolis");
  EXPECT_EQ(store.LocationName[3], "Miami");  // an unclosed quote runs to the end of the line
  EXPECT_EQ(store.TeamName[1], "kept");
}

TEST_F(NamesFile, IgnoresLinesBeyondTheTwoBlocks) {
  std::string text;
  for (int line = 1; line <= 70; ++line) text += "\"N" + std::to_string(line) + "\"\r\n";
  WriteFileBytes(folder.path() / NamesFileName, text);
  store.LocationName[32] = "slot 32";
  ASSERT_TRUE(ReadNames(store, folder.path()));
  EXPECT_EQ(store.LocationName[31], "N31");
  EXPECT_EQ(store.TeamName[1], "N32");
  EXPECT_EQ(store.TeamName[31], "N62");
  EXPECT_EQ(store.LocationName[32], "slot 32");
  EXPECT_EQ(store.TeamName[32], "");
}

}  // namespace
}  // namespace tavrin
