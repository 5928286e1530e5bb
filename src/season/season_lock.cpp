#include "season/season_lock.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "season/file_io.h"
#include "season/season_change.h"

namespace tavrin {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds RetryInterval{10};

// "tavrin-cli 1234": the program's name, then its process number.
struct Holder {
  std::string program;
  std::string process;
};

std::optional<Holder> ReadHolder(const fs::path& folder) {
  auto text = ReadWholeFile(folder / LockFileName, 4096);
  if (!text || !*text) return std::nullopt;
  const std::string& line = **text;
  const std::size_t space = line.find(' ');
  if (space == std::string::npos || space == 0) return std::nullopt;
  std::string process = line.substr(space + 1);
  while (!process.empty() && (process.back() == '\n' || process.back() == ' ')) process.pop_back();
  return Holder{line.substr(0, space), process};
}

std::string InUseText(const fs::path& folder) {
  const std::string where = fs::absolute(folder).lexically_normal().string();
  if (const auto holder = ReadHolder(folder)) {
    return fmt::format("The season in {} is in use by {} (process {})", where, holder->program,
                       holder->process);
  }
  return fmt::format("The season in {} is in use by another program", where);
}

}  // namespace

Outcome<SeasonLock> SeasonLock::Acquire(const fs::path& folder, std::string_view program,
                                        std::chrono::milliseconds patience) {
  const fs::path file = folder / LockFileName;
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return FileFailure(file, "could not be opened to lock the season");
  SeasonLock lock(fd);
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return FileFailure(file, "could not be locked");
    if (std::chrono::steady_clock::now() >= deadline) return Failure{InUseText(folder)};
    std::this_thread::sleep_for(RetryInterval);
  }
  // Only the message of a program kept out depends on this: a failure here is no failure.
  const std::string holder = fmt::format("{} {}\n", program, ::getpid());
  if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, holder.data(), holder.size(), 0);
  return lock;
}

SeasonLock::SeasonLock(SeasonLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

SeasonLock& SeasonLock::operator=(SeasonLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

SeasonLock::~SeasonLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor drops the lock
}

std::optional<std::string> SeasonLockHolder(const fs::path& folder) {
  if (auto holder = ReadHolder(folder)) return holder->program;
  return std::nullopt;
}

Outcome<SeasonLock> OpenSeasonForChanges(const fs::path& folder, std::string_view program,
                                         std::chrono::milliseconds patience) {
  auto lock = SeasonLock::Acquire(folder, program, patience);
  if (!lock) return lock;
  if (auto recovered = RecoverSeasonFolder(folder); !recovered) return Failure{recovered.failure()};
  return lock;
}

}  // namespace tavrin
