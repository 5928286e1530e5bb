#include "season/file_io.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

namespace tavrin {

namespace {

// Countdowns of the injected faults, one per operation kind; 0 means none is armed.
std::array<int, 4> fault_countdown{};

std::optional<Failure> first_read_failure;

bool InjectedFault(FileOperation operation) {
  int& countdown = fault_countdown[static_cast<std::size_t>(operation)];
  if (countdown == 0) return false;
  return --countdown == 0;
}

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
  if (InjectedFault(FileOperation::Write)) {
    errno = ENOSPC;
    return false;
  }
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
  if (InjectedFault(FileOperation::Flush)) {
    errno = EIO;
    return false;
  }
  return ::fsync(fd) == 0;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// A file that is missing (or whose folder is) simply is not there; anything else is a failure.
bool IsAbsence(int error) { return error == ENOENT || error == ENOTDIR; }

// Opens for reading and checks what was opened: nothing for a missing file, the descriptor
// and the file's size, or a failure.
struct OpenedForReading {
  int fd = -1;
  std::uint64_t size = 0;
};
Outcome<std::optional<OpenedForReading>> OpenForReading(const std::filesystem::path& file,
                                                        std::uint64_t limit) {
  // O_NONBLOCK: a FIFO put in place of a data file must not hang the program.
  const int fd = OpenFile(file, O_RDONLY | O_NONBLOCK);
  if (fd < 0) {
    if (IsAbsence(errno)) return std::optional<OpenedForReading>();
    return FileFailure(file, "could not be read");
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    Failure failure = FileFailure(file, "could not be read");
    ::close(fd);
    return failure;
  }
  if (!S_ISREG(status.st_mode)) {
    ::close(fd);
    return Failure{file.filename().string() + " is not a regular file"};
  }
  if (static_cast<std::uint64_t>(status.st_size) > limit) {
    ::close(fd);
    return Failure{fmt::format("{} is larger than {} bytes", file.filename().string(), limit)};
  }
  return std::optional<OpenedForReading>(
      OpenedForReading{fd, static_cast<std::uint64_t>(status.st_size)});
}

}  // namespace

Failure FileFailure(const std::filesystem::path& file, std::string_view what) {
  return Failure{fmt::format("{} {}: {}", file.filename().string(), what, std::strerror(errno))};
}

Outcome<FileContents> ReadWholeFile(const std::filesystem::path& file, std::uint64_t limit) {
  auto opened = OpenForReading(file, limit);
  if (!opened) return Failure{opened.failure()};
  if (!*opened) return FileContents();
  FileDescriptor fd((*opened)->fd);
  std::string contents;
  // The size is a hint only: a file that grows or shrinks meanwhile is read to its end.
  if (!ReadAt(fd.get(), 0, static_cast<std::size_t>((*opened)->size), contents)) {
    return FileFailure(file, "could not be read");
  }
  std::string more;
  while (true) {
    if (!ReadAt(fd.get(), contents.size(), 4096, more)) {
      return FileFailure(file, "could not be read");
    }
    if (more.empty()) break;
    if (contents.size() + more.size() > limit) {
      return Failure{fmt::format("{} is larger than {} bytes", file.filename().string(), limit)};
    }
    contents += more;
  }
  return FileContents(std::move(contents));
}

Outcome<FileContents> ReadFileRange(const std::filesystem::path& file, std::uint64_t offset,
                                    std::size_t length) {
  auto opened = OpenForReading(file, MaxDataFileSize);
  if (!opened) return Failure{opened.failure()};
  if (!*opened) return FileContents();
  FileDescriptor fd((*opened)->fd);
  if (offset >= (*opened)->size) return FileContents(std::string());
  std::string contents;
  if (!ReadAt(fd.get(), offset, length, contents)) return FileFailure(file, "could not be read");
  return FileContents(std::move(contents));
}

Outcome<void> CheckReplaceable(const std::filesystem::path& file) {
  struct stat existing {};
  if (::stat(file.c_str(), &existing) != 0) {
    if (IsAbsence(errno)) return {};
    return FileFailure(file, "could not be examined");
  }
  if (!S_ISREG(existing.st_mode))
    return Failure{file.filename().string() + " is not a regular file"};
  if (::access(file.c_str(), W_OK) != 0) return FileFailure(file, "cannot be replaced");
  return {};
}

Outcome<void> WriteSyncedFile(const std::filesystem::path& file, std::string_view contents,
                              const std::filesystem::path& model) {
  struct stat existing {};
  const bool keep_mode = ::stat(model.c_str(), &existing) == 0;
  FileDescriptor fd(OpenFile(file, O_WRONLY | O_CREAT | O_TRUNC, 0666));
  if (!fd.valid()) return FileFailure(file, "could not be created");
  if (keep_mode && ::fchmod(fd.get(), existing.st_mode & 07777) != 0) {
    return FileFailure(file, "could not be given its permissions");
  }
  if (!WriteAll(fd.get(), contents)) return FileFailure(file, "could not be written");
  if (!SyncFile(fd.get())) return FileFailure(file, "could not be written to disk");
  if (!fd.Close()) return FileFailure(file, "could not be written");
  return {};
}

Outcome<void> RenameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (InjectedFault(FileOperation::Rename)) {
    errno = EIO;
    return FileFailure(to, "could not be put in place");
  }
  if (::rename(from.c_str(), to.c_str()) != 0) return FileFailure(to, "could not be put in place");
  return {};
}

Outcome<void> SyncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) return FileFailure(folder, "could not be opened");
  if (!SyncFile(fd.get())) {
    // Some file systems cannot sync a folder at all; that is no failure of ours.
    if (errno == EINVAL || errno == ENOTSUP) return {};
    return FileFailure(folder, "could not be written to disk");
  }
  return {};
}

Outcome<void> ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents) {
  if (auto replaceable = CheckReplaceable(file); !replaceable) return replaceable;
  static unsigned sequence = 0;
  std::filesystem::path temporary = file;
  // A dot name, so it never looks like a data file; the process number lets the next open of a
  // season folder tell a dead writer's leftover from a live one's.
  temporary.replace_filename(
      fmt::format(".{}{}{}-{}", file.filename().string(), TemporaryMarker, ::getpid(), ++sequence));
  if (auto written = WriteSyncedFile(temporary, contents, file); !written) {
    ::unlink(temporary.c_str());
    return written;
  }
  if (auto renamed = RenameFile(temporary, file); !renamed) {
    ::unlink(temporary.c_str());
    return renamed;
  }
  // The new file is complete and in place; only its name's durability is left to the system.
  (void)SyncFolder(FolderOf(file));
  return {};
}

void InjectFileFault(FileOperation operation, int nth) {
  fault_countdown[static_cast<std::size_t>(operation)] = nth > 0 ? nth : 0;
}

void ClearFileFaults() {
  fault_countdown.fill(0);
  first_read_failure.reset();
}

std::optional<Failure> FirstReadFailure() { return first_read_failure; }

void RememberReadFailure(const Failure& failure) {
  if (!first_read_failure) first_read_failure = failure;
}

}  // namespace tavrin
