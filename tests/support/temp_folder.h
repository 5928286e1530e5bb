#pragma once
// Scratch folders for tests, and the shared real seasons and golden outputs beside the clone.

#include <filesystem>
#include <string>

namespace tavrin::testing {

// A fresh empty folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Copies every regular file of a folder in.
  void CopyFilesFrom(const std::filesystem::path& source) const;

 private:
  std::filesystem::path path_;
};

// The shared test data folder, or an empty path when it is not beside the clone.
std::filesystem::path SharedDataDir();
std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace tavrin::testing

// Skips the current test when the shared data is absent.
#define TAVRIN_REQUIRE_SHARED_DATA()                                           \
  do {                                                                         \
    if (::tavrin::testing::SharedDataDir().empty())                            \
      GTEST_SKIP() << "the shared seasons and golden outputs are not present"; \
  } while (false)
