#include "season/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>

namespace tavrin {

namespace {

// Countdowns of the injected faults, one per operation kind; 0 means none is armed.
std::array<int, 4> fault_countdown{};

bool InjectedFault(FileOperation operation) {
  int& countdown = fault_countdown[static_cast<std::size_t>(operation)];
  if (countdown == 0) return false;
  return --countdown == 0;
}

// Reads open with O_NONBLOCK so that a FIFO put in place of a data file cannot hang the
// program; it is then refused for not being a regular file.
int OpenFile(const std::filesystem::path& file, int flags, mode_t mode = 0) {
  if (InjectedFault(FileOperation::Open)) {
    errno = EIO;
    return -1;
  }
  int fd;
  do {
    fd = ::open(file.c_str(), flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded (a late write error shows up here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads up to `length` bytes at `offset`; stops early at the end of the file.
bool ReadAt(int fd, std::uint64_t offset, std::size_t length, std::string& out) {
  out.resize(length);
  std::size_t done = 0;
  while (done < length) {
    const ssize_t got =
        ::pread(fd, out.data() + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  out.resize(done);
  return true;
}

bool WriteAll(int fd, std::string_view contents) {
  if (InjectedFault(FileOperation::Write)) return false;
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t wrote = ::write(fd, contents.data() + done, contents.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

bool SyncFile(int fd) {
  if (InjectedFault(FileOperation::Flush)) return false;
  return ::fsync(fd) == 0;
}

// Best effort: some file systems cannot sync a folder, and the rename has already happened.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A new, exclusive temporary file beside the target, so that the rename stays in one file
// system. Its name starts with a dot so it never looks like a data file.
int CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& temporary) {
  static unsigned sequence = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = file;
    temporary.replace_filename("." + file.filename().string() + ".tmp" +
                               std::to_string(::getpid()) + "-" + std::to_string(++sequence));
    const int fd = OpenFile(temporary, O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool RenameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return !InjectedFault(FileOperation::Rename) && ::rename(from.c_str(), to.c_str()) == 0;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The new contents written and synced in a temporary file beside the target, keeping the
// target's permissions; false, with nothing left behind, when that fails or the target exists
// but is not a writable regular file.
bool WriteTemporaryBeside(const std::filesystem::path& file, std::string_view contents,
                          std::filesystem::path& temporary, bool& target_exists) {
  struct stat existing {};
  target_exists = ::stat(file.c_str(), &existing) == 0;
  if (target_exists && (!S_ISREG(existing.st_mode) || ::access(file.c_str(), W_OK) != 0)) {
    return false;
  }
  FileDescriptor fd(CreateTemporaryBeside(file, temporary));
  if (!fd.valid()) return false;
  const bool written = (!target_exists || ::fchmod(fd.get(), existing.st_mode & 07777) == 0) &&
                       WriteAll(fd.get(), contents) && SyncFile(fd.get()) && fd.Close();
  if (!written) ::unlink(temporary.c_str());
  return written;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  FileDescriptor fd(OpenFile(file, O_RDONLY | O_NONBLOCK));
  if (!fd.valid()) return std::nullopt;
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  if (static_cast<std::uint64_t>(status.st_size) > MaxDataFileSize) return std::nullopt;
  std::string contents;
  // The size is a hint only: a file that grows or shrinks meanwhile is read to its end.
  if (!ReadAt(fd.get(), 0, static_cast<std::size_t>(status.st_size), contents)) return std::nullopt;
  std::string more;
  while (true) {
    if (!ReadAt(fd.get(), contents.size(), 4096, more)) return std::nullopt;
    if (more.empty()) break;
    if (contents.size() + more.size() > MaxDataFileSize) return std::nullopt;
    contents += more;
  }
  return contents;
}

std::optional<std::string> ReadFileRange(const std::filesystem::path& file, std::uint64_t offset,
                                         std::size_t length) {
  FileDescriptor fd(OpenFile(file, O_RDONLY | O_NONBLOCK));
  if (!fd.valid()) return std::nullopt;
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  const auto size = static_cast<std::uint64_t>(status.st_size);
  if (offset >= size) return std::string();
  std::string contents;
  if (!ReadAt(fd.get(), offset, length, contents)) return std::nullopt;
  return contents;
}

bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents) {
  std::filesystem::path temporary;
  bool exists = false;
  if (!WriteTemporaryBeside(file, contents, temporary, exists)) return false;
  if (!RenameFile(temporary, file)) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(FolderOf(file));
  return true;
}

bool ReplaceFilesTogether(const std::vector<FileReplacement>& replacements) {
  struct Step {
    std::filesystem::path temporary;
    std::filesystem::path backup;  // a second name for the old file; empty when there was none
    // The old file's bytes, where the file system has no second names (FAT, for one).
    std::optional<std::string> old_contents;
    bool renamed = false;
  };
  std::vector<Step> steps(replacements.size());
  const auto undo = [&] {
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const Step& step = steps[i];
      if (!step.renamed) {
        if (!step.temporary.empty()) ::unlink(step.temporary.c_str());
        if (!step.backup.empty()) ::unlink(step.backup.c_str());
      } else if (step.old_contents) {
        std::filesystem::path temporary;
        bool exists = false;
        if (WriteTemporaryBeside(replacements[i].file, *step.old_contents, temporary, exists)) {
          ::rename(temporary.c_str(), replacements[i].file.c_str());
        }
      } else if (step.backup.empty()) {
        ::unlink(replacements[i].file.c_str());
      } else {
        // Should even this fail, the old contents stay under the backup's name.
        ::rename(step.backup.c_str(), replacements[i].file.c_str());
      }
    }
    return false;
  };

  for (std::size_t i = 0; i < replacements.size(); ++i) {
    bool exists = false;
    if (!WriteTemporaryBeside(replacements[i].file, replacements[i].contents, steps[i].temporary,
                              exists)) {
      steps[i].temporary.clear();
      return undo();
    }
    if (exists) {
      // A hard link keeps the old contents reachable, so that a later failure can restore them.
      std::filesystem::path backup = steps[i].temporary;
      backup += ".old";
      if (::link(replacements[i].file.c_str(), backup.c_str()) == 0) {
        steps[i].backup = backup;
      } else if (!(steps[i].old_contents = ReadWholeFile(replacements[i].file))) {
        return undo();
      }
    }
  }
  for (std::size_t i = 0; i < replacements.size(); ++i) {
    if (!RenameFile(steps[i].temporary, replacements[i].file)) return undo();
    steps[i].renamed = true;
  }
  std::vector<std::filesystem::path> folders;
  for (std::size_t i = 0; i < replacements.size(); ++i) {
    if (!steps[i].backup.empty()) ::unlink(steps[i].backup.c_str());
    const std::filesystem::path folder = FolderOf(replacements[i].file);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
      folders.push_back(folder);
      SyncFolder(folder);
    }
  }
  return true;
}

bool PatchFileAtomically(const std::filesystem::path& file, std::uint64_t offset,
                         std::string_view bytes) {
  if (offset + bytes.size() > MaxDataFileSize) return false;
  std::string contents;
  std::error_code error;
  if (std::filesystem::exists(file, error)) {
    std::optional<std::string> old = ReadWholeFile(file);
    if (!old) return false;  // never replace a file that could not be read
    contents = std::move(*old);
  } else if (error) {
    return false;
  }
  const auto end = static_cast<std::size_t>(offset + bytes.size());
  if (contents.size() < end) contents.resize(end, '\0');
  contents.replace(static_cast<std::size_t>(offset), bytes.size(), bytes);
  return ReplaceFileAtomically(file, contents);
}

void InjectFileFault(FileOperation operation, int nth) {
  fault_countdown[static_cast<std::size_t>(operation)] = nth > 0 ? nth : 0;
}

void ClearFileFaults() { fault_countdown.fill(0); }

}  // namespace tavrin
