// The market lines reader on any bytes, and the writer on whatever it read.

#include "fuzz_folder.h"
#include "season/market_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tavrin;
  fuzz::PutFile(MarketLinesFileName(1999), data, size);
  if (const auto lines = ReadMarketLines(fuzz::ScratchFolder(), 1999)) MarketLinesText(*lines);
  return 0;
}
