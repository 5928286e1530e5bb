#include "season/market_lines.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tavrin {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

constexpr const char* Header = "week,visitor,home,spread_line,total_line\n";

TEST(MarketLinesFile, RoundTripsPresentAndAbsentFigures) {
  TempFolder folder;
  const auto missing = ReadMarketLines(folder.path(), 1999);
  ASSERT_TRUE(missing);
  EXPECT_TRUE(missing->empty());
  const std::vector<MarketLine> lines = {{1, 25, 27, -4, 49},
                                         {1, 13, 22, 6.5, std::nullopt},
                                         {17, 31, 1, std::nullopt, 38.5},
                                         {18, 2, 3, std::nullopt, std::nullopt}};
  const std::string text = MarketLinesText(lines);
  EXPECT_EQ(text, std::string(Header) + "1,25,27,-4,49\n1,13,22,6.5,\n17,31,1,,38.5\n18,2,3,,\n");
  WriteFileBytes(folder.path() / MarketLinesFileName(1999), text);
  const auto read = ReadMarketLines(folder.path(), 1999);
  ASSERT_TRUE(read);
  EXPECT_EQ(MarketLinesText(*read), text);
  // Another season's file is not this one's.
  EXPECT_EQ(ReadMarketLines(folder.path(), 2000)->size(), 0u);
}

// Catches a reader that takes a damaged or unbounded file in part.
TEST(MarketLinesFile, RefusesDamagedText) {
  const std::string header = Header;
  std::string many_rows = header;
  for (int i = 0; i < 5000; ++i) many_rows += "1,2,3,,\n";
  std::vector<std::string> cases = {"", "week,visitor,home,spread,total\n1,2,3,,\n", "1,2,3,4,5\n",
                                    many_rows, header + std::string("\0\xff\x01,\x80", 5)};
  for (const char* row :
       {"1,2,3,4", "1,2,3,4,5,6", "0,2,3,,", "100,2,3,,", "1,32,3,,", "1,2,0,,", "1,4,4,,",
        "99999999999999999999,2,3,,", "1, 2,3,,", "1,2,3,abc,", "1,2,3,1e3,", "1,2,3,inf,",
        "1,2,3,,nan", "1,2,3,,1000000", "1,2,3,4.5x,", "\n1,2,3,,"})
    cases.push_back(header + row + "\n");
  TempFolder folder;
  for (const auto& text : cases) {
    WriteFileBytes(folder.path() / MarketLinesFileName(2000), text);
    const auto read = ReadMarketLines(folder.path(), 2000);
    ASSERT_FALSE(read) << text.substr(0, 80);
    EXPECT_NE(read.failure().find(MarketLinesFileName(2000)), std::string::npos) << read.failure();
  }
  // The same rows with CR LF endings and no final line break are whole.
  WriteFileBytes(folder.path() / MarketLinesFileName(2000),
                 "week,visitor,home,spread_line,total_line\r\n1,2,3,-0.5,41\r\n2,3,2,,");
  EXPECT_EQ(ReadMarketLines(folder.path(), 2000)->size(), 2u);
}

}  // namespace
}  // namespace tavrin
