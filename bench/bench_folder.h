#pragma once
// The scratch folders the benchmarks work in lie below TAVRIN_BENCH_DIR (for instance
// /dev/shm, to take the disk's sync out of the figure) or the system's temporary folder.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace tavrin {

// A fresh, empty folder; the caller removes it.
inline std::filesystem::path MakeBenchFolder() {
  const char* base = std::getenv("TAVRIN_BENCH_DIR");
  std::string pattern =
      ((base != nullptr ? std::filesystem::path(base) : std::filesystem::temp_directory_path()) /
       "tavrin-bench-XXXXXX")
          .string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder");
  return pattern;
}

}  // namespace tavrin
