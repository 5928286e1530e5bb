// The names reader on any bytes; whatever it read must either be refused by the writer (a
// double quote inside an unquoted name) or write back and read back unchanged.

#include <cstdlib>

#include "fuzz_folder.h"
#include "season/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tavrin;
  fuzz::PutFile(NamesFileName, data, size);
  SeasonStore store;
  if (!ReadNames(store, fuzz::ScratchFolder())) return 0;
  if (!NamesText(store)) return 0;
  if (!WriteNames(store, fuzz::ScratchFolder())) std::abort();
  SeasonStore again;
  if (!ReadNames(again, fuzz::ScratchFolder()) || again.LocationName != store.LocationName ||
      again.TeamName != store.TeamName) {
    std::abort();
  }
  return 0;
}
