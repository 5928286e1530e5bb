#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "engine/season_fixture.h"
#include "season/data_files.h"

namespace tavrin {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

class SettingsFile : public testing::SeasonFixture {
 protected:
  using Fields = std::tuple<int, float, float, int, std::string, int, int>;
  // year, reactivity, weighting, last scored week, font, weeks, team count
  Fields Read() const {
    return {store.WorkingYear, store.Reactivity,    store.Weighting, store.LastScoredWeek,
            store.ReportFont,  store.WeeksInSeason, store.TeamCount};
  }
  void WriteSettingsText(const std::string& text) {
    WriteFileBytes(folder.path() / SettingsFileName, text);
  }
};

TEST_F(SettingsFile, WidensTwoDigitYears) {
  const std::pair<const char*, int> years[] = {{"98", 1998},   {"99", 1999}, {"5", 2005},
                                               {"0", 2000},    {"96", 2096}, {"97", 97},
                                               {"2001", 2001}, {"100", 100}};
  for (const auto& [text, year] : years) {
    WriteSettingsText(std::string(text) + "\r\n100\r\n100\r\n\r\n0\r\n\"\"\r\n17\r\n");
    ASSERT_TRUE(ReadSettings(store, folder.path())) << text;
    EXPECT_EQ(store.WorkingYear, year) << text;
  }
}

// Catches a field kept from a damaged line, fields before it dropped, a missing file created.
TEST_F(SettingsFile, ReadsLenientlyAndStopsAtTheFirstLineThatIsMissingOrDoesNotFit) {
  const struct {
    std::optional<std::string> text;  // none: no file
    Fields after;
    bool read = false;
  } cases[] = {
      {std::nullopt, {1234, 50, 50, 9, "kept", 21, 31}},
      {" 1999 \n  80.5%\n\"120\"\n junk\n2.5\n  \"Arial\" , ignored\n17 weeks",
       {1999, 80.5f, 120, 2, "Arial", 17, 31},
       true},  // read leniently, halves rounded to even
      {"1999\r\n100\r\n90\r\n\r\n40000\r\n\"Arial\"\r\n17\r\n", {1999, 100, 90, 9, "kept", 21, 31}},
      {"2000\r\n100\r\n100\r\n", {2000, 100, 100, 9, "kept", 21, 31}},
      {"2001\r\n1" + std::string(60, '0') + "\r\n100\r\n\r\n1\r\n\"\"\r\n17\r\n",
       {2001, 50, 50, 9, "kept", 21, 31}},  // beyond a single's range
      {"1999\r\n100\r\n100\r\n\r\n1\r\n\"\"\r\n", {1999, 100, 100, 1, "", 21, 31}},
      {std::string(100000, '9'), {1234, 50, 50, 9, "kept", 21, 31}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.value_or("no file").substr(0, 20));
    store.WorkingYear = 1234, store.LastScoredWeek = 9, store.WeeksInSeason = 21;
    store.Reactivity = store.Weighting = 50, store.ReportFont = "kept";
    if (c.text) WriteSettingsText(*c.text);
    EXPECT_EQ(ReadSettings(store, folder.path()), c.read);
    EXPECT_EQ(Read(), c.after);
    EXPECT_EQ(std::filesystem::exists(folder.path() / SettingsFileName), c.text.has_value());
  }
}

class NamesFile : public testing::SeasonFixture {
 protected:
  std::filesystem::path File() const { return folder.path() / NamesFileName; }
};

// Catches mixed blocks, names broken by a comma or Latin-1, slot 32 written, unreadable names.
TEST_F(NamesFile, NamesReadBackAndThoseThatWouldNotAreRefused) {
  store.LocationName[7] = "St. Louis, MO";
  store.TeamName[8] =
      "  Fu\xDF"
      "ball ";
  store.LocationName[32] = "never written";
  ASSERT_TRUE(WriteNames(store, folder.path()));
  const std::string text = ReadFileBytes(File());

  SeasonStore read;
  ASSERT_TRUE(ReadNames(read, folder.path()));
  store.LocationName[32] = "";
  EXPECT_EQ(read.LocationName, store.LocationName);
  EXPECT_EQ(read.TeamName, store.TeamName);
  // A quote or a line break could not be read back: refused, and the file left as it was.
  for (const char* name : {"The \"Bay\"", "Two\r\nLines"}) {
    store.LocationName[31] = name;
    EXPECT_FALSE(WriteNames(store, folder.path())) << name;
  }
  EXPECT_EQ(ReadFileBytes(File()), text);
}

TEST_F(NamesFile, ReadsWhatAShortFileHoldsAndIgnoresLinesBeyondTheTwoBlocks) {
  SeasonStore read;
  EXPECT_FALSE(ReadNames(read, folder.path()));
  EXPECT_FALSE(std::filesystem::exists(File()));
  read.TeamName[1] = "kept";
  WriteFileBytes(File(), "\"Buffalo\"\r\nIndianapolis\n\"Miami");
  EXPECT_FALSE(ReadNames(read, folder.path()));
  EXPECT_EQ(read.LocationName[1], "Buffalo");
  EXPECT_EQ(read.LocationName[2], "Indianapolis");
  EXPECT_EQ(read.LocationName[3], "Miami");  // an unclosed quote runs to the end of the line
  EXPECT_EQ(read.TeamName[1], "kept");

  std::string text;
  for (int line = 1; line <= 70; ++line) text += "\"N" + std::to_string(line) + "\"\r\n";
  WriteFileBytes(File(), text);
  read.LocationName[32] = "slot 32";
  ASSERT_TRUE(ReadNames(read, folder.path()));
  EXPECT_EQ(read.LocationName[31], "N31");
  EXPECT_EQ(read.TeamName[1], "N32");
  EXPECT_EQ(read.TeamName[31], "N62");
  EXPECT_EQ(read.LocationName[32], "slot 32");
  EXPECT_EQ(read.TeamName[32], "");
}

}  // namespace
}  // namespace tavrin
