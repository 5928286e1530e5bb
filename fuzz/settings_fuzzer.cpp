// The settings reader on any bytes, and the writer on whatever it read.

#include "fuzz_folder.h"
#include "season/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tavrin;
  fuzz::PutFile(SettingsFileName, data, size);
  SeasonStore store;
  // Whatever was read must write back or be refused, never crash.
  if (ReadSettings(store, fuzz::ScratchFolder())) (void)WriteSettings(store, fuzz::ScratchFolder());
  return 0;
}
