#pragma once
// Scratch folders for tests, and the recorded seasons and golden outputs kept with them.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tavrin::testing {

// A fresh empty folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrin-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Copies every regular file of a folder in, writable whatever the source's permissions.
  void CopyFilesFrom(const std::filesystem::path& source) const {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(source)) {
      if (!entry.is_regular_file()) continue;
      const fs::path copy = path_ / entry.path().filename();
      fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
      fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    }
  }

 private:
  std::filesystem::path path_;
};

// tests/data: the recorded seasons and golden outputs, byte for byte.
inline std::filesystem::path TestDataDir() { return TAVRIN_TEST_DATA_DIR; }

inline std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace tavrin::testing
