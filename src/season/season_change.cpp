#include "season/season_change.h"

#include <fmt/format.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string_view>
#include <vector>

namespace tavrin {

namespace fs = std::filesystem;

struct SeasonChange::Open {
  fs::path folder;
  std::map<std::string, std::string> staged;  // file name -> its new contents
  // What the files held on disk when first read in this change: nothing else writes the folder
  // while the change is open (its program holds the lock), so each file is read once.
  std::map<std::string, FileContents> read;
};

namespace {

// The changes open in this thread, innermost last; each folder has at most one.
thread_local std::vector<SeasonChange::Open*> open_changes;

std::map<fs::path, std::string> read_only_folders;

fs::path FolderKey(const fs::path& folder) {
  fs::path key = fs::absolute(folder).lexically_normal();
  if (!key.has_filename() && key.has_parent_path() && key != key.root_path()) {
    key = key.parent_path();
  }
  return key;
}

fs::path FolderOfFile(const fs::path& file) {
  return FolderKey(file.has_parent_path() ? file.parent_path() : fs::path("."));
}

SeasonChange::Open* OpenChangeFor(const fs::path& key) {
  for (SeasonChange::Open* open : open_changes) {
    if (open->folder == key) return open;
  }
  return nullptr;
}

fs::path StagedPath(const fs::path& folder, const std::string& name) {
  return folder / ("." + name + std::string(StagedSuffix));
}

fs::path JournalBeingWritten(const fs::path& folder) {
  return folder / (JournalFileName + std::string(StagedSuffix));
}

void RemoveStaged(const fs::path& folder, const std::map<std::string, std::string>& staged) {
  for (const auto& entry : staged) ::unlink(StagedPath(folder, entry.first).c_str());
  ::unlink(JournalBeingWritten(folder).c_str());
}

std::string JournalText(const std::map<std::string, std::string>& staged) {
  std::string text = "tavrin change\n";
  for (const auto& entry : staged) text += entry.first + "\n";
  return text + "end\n";
}

// A name the journal may hold: a plain file of the folder, never a path or a dot file.
bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name.size() <= 255 && name.front() != '.' &&
         name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

// The journal's names; nothing when it is not a whole journal as Commit writes it.
std::optional<std::vector<std::string>> JournalNames(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  if (lines.size() < 2 || lines.front() != "tavrin change" || lines.back() != "end") {
    return std::nullopt;
  }
  std::vector<std::string> names(lines.begin() + 1, lines.end() - 1);
  if (!std::all_of(names.begin(), names.end(), IsPlainFileName)) return std::nullopt;
  return names;
}

// Renames every staged file the journal names over its target (those already renamed are gone),
// then removes the journal.
Outcome<void> FinishJournal(const fs::path& folder, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const fs::path staged = StagedPath(folder, name);
    if (::access(staged.c_str(), F_OK) != 0) continue;
    if (auto renamed = RenameFile(staged, folder / name); !renamed) return renamed;
  }
  if (auto synced = SyncFolder(folder); !synced) return synced;
  const fs::path journal = folder / JournalFileName;
  if (::unlink(journal.c_str()) != 0 && errno != ENOENT) {
    return FileFailure(journal, "could not be removed");
  }
  return SyncFolder(folder);
}

// The process number in a temporary file's name, when the name is one of ReplaceFileAtomically's.
std::optional<pid_t> TemporaryWriter(std::string_view name) {
  const std::size_t at = name.find(TemporaryMarker);
  if (name.empty() || name.front() != '.' || at == std::string_view::npos) return std::nullopt;
  const std::string_view digits = name.substr(at + TemporaryMarker.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (error != std::errc() || end == digits.data() || pid <= 0) return std::nullopt;
  return pid;
}

bool ProcessIsAlive(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

Outcome<void> RemoveLeftovers(const fs::path& folder) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error)
    return Failure{fmt::format("{} could not be listed: {}", folder.string(), error.message())};
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename();
    const auto writer = TemporaryWriter(name);
    const bool staged = name.front() == '.' && name.ends_with(StagedSuffix);
    if (staged || (writer && !ProcessIsAlive(*writer))) ::unlink(entry.path().c_str());
  }
  return {};
}

Outcome<void> CommitStaged(const fs::path& folder,
                           const std::map<std::string, std::string>& staged) {
  for (const auto& [name, contents] : staged) {
    if (auto replaceable = CheckReplaceable(folder / name); !replaceable) return replaceable;
    if (auto written = WriteSyncedFile(StagedPath(folder, name), contents, folder / name);
        !written) {
      return written;
    }
  }
  if (staged.size() == 1) {
    const std::string& name = staged.begin()->first;
    if (auto renamed = RenameFile(StagedPath(folder, name), folder / name); !renamed) {
      return renamed;
    }
    (void)SyncFolder(folder);  // the file is in place; its name's durability is the system's
    return {};
  }
  // The staged files' names must be durable before a journal may promise them.
  if (auto synced = SyncFolder(folder); !synced) return synced;
  const fs::path journal_temporary = JournalBeingWritten(folder);
  if (auto written = WriteSyncedFile(journal_temporary, JournalText(staged), {}); !written) {
    return written;
  }
  if (auto renamed = RenameFile(journal_temporary, folder / JournalFileName); !renamed) {
    return renamed;
  }
  // From here on the change has happened. Should finishing fail now, the journal stays and the
  // next open of the folder finishes it.
  std::vector<std::string> names;
  for (const auto& entry : staged) names.push_back(entry.first);
  (void)FinishJournal(folder, names);
  return {};
}

}  // namespace

SeasonChange::SeasonChange(const fs::path& folder) {
  const fs::path key = FolderKey(folder);
  open_ = OpenChangeFor(key);
  outermost_ = open_ == nullptr;
  if (outermost_) {
    owned_ = std::make_unique<Open>(Open{key, {}, {}});
    open_ = owned_.get();
    open_changes.push_back(open_);
  } else {
    staged_before_ = open_->staged;
  }
}

SeasonChange::~SeasonChange() {
  if (outermost_) {
    open_changes.erase(std::find(open_changes.begin(), open_changes.end(), open_));
  } else if (!committed_) {
    open_->staged = std::move(staged_before_);
  }
}

Outcome<void> SeasonChange::Commit() {
  if (auto reason = SeasonReadOnlyReason(open_->folder)) return Failure{*reason};
  if (auto failure = FirstReadFailure()) return *failure;
  if (!outermost_) {
    committed_ = true;
    return {};
  }
  // Whatever happens, the staged contents are spent: a failed change is not tried twice.
  const std::map<std::string, std::string> staged = std::move(open_->staged);
  open_->staged.clear();
  if (staged.empty()) return {};
  auto recovered = RecoverSeasonFolder(open_->folder);
  auto committed = recovered ? CommitStaged(open_->folder, staged) : recovered;
  committed_ = static_cast<bool>(committed);
  if (committed_) return committed;
  RemoveStaged(open_->folder, staged);
  if (staged.size() == 1) return committed;
  std::string names;
  for (const auto& entry : staged) names += (names.empty() ? "" : ", ") + entry.first;
  return Failure{names + " (saved together): " + committed.failure()};
}

Outcome<FileContents> ReadSeasonFile(const fs::path& file) {
  SeasonChange::Open* open = OpenChangeFor(FolderOfFile(file));
  if (open) {
    const std::string name = file.filename().string();
    if (const auto staged = open->staged.find(name); staged != open->staged.end()) {
      return FileContents(staged->second);
    }
    if (const auto read = open->read.find(name); read != open->read.end()) return read->second;
  }
  auto read = ReadWholeFile(file);
  if (!read) {
    RememberReadFailure(Failure{read.failure()});
  } else if (open) {
    open->read.emplace(file.filename().string(), *read);
  }
  return read;
}

Outcome<FileContents> ReadSeasonFileRange(const fs::path& file, std::uint64_t offset,
                                          std::size_t length) {
  if (OpenChangeFor(FolderOfFile(file))) {
    // The whole file, once, rather than a range at each read.
    const auto whole = ReadSeasonFile(file);
    if (!whole || !*whole) return whole;
    const std::string& contents = **whole;
    if (offset >= contents.size()) return FileContents(std::string());
    return FileContents(contents.substr(static_cast<std::size_t>(offset), length));
  }
  auto read = ReadFileRange(file, offset, length);
  if (!read) RememberReadFailure(Failure{read.failure()});
  return read;
}

Outcome<void> WriteSeasonFile(const fs::path& file, std::string contents) {
  SeasonChange change(FolderOfFile(file));
  change.Stage(file.filename().string(), std::move(contents));
  return change.Commit();
}

void SeasonChange::Stage(std::string name, std::string contents) {
  open_->staged[std::move(name)] = std::move(contents);
}

Outcome<void> PatchSeasonFile(const fs::path& file, std::uint64_t offset, std::string_view bytes) {
  if (offset + bytes.size() > MaxDataFileSize) {
    return Failure{
        fmt::format("{} would grow past {} bytes", file.filename().string(), MaxDataFileSize)};
  }
  auto old = ReadSeasonFile(file);
  if (!old) return Failure{old.failure()};  // never replace a file that could not be read
  std::string contents = old->value_or(std::string());
  const auto end = static_cast<std::size_t>(offset + bytes.size());
  if (contents.size() < end) contents.resize(end, '\0');
  contents.replace(static_cast<std::size_t>(offset), bytes.size(), bytes);
  return WriteSeasonFile(file, std::move(contents));
}

void MarkSeasonReadOnly(const fs::path& folder, std::string reason) {
  read_only_folders[FolderKey(folder)] = std::move(reason);
}

std::optional<std::string> SeasonReadOnlyReason(const fs::path& folder) {
  const auto found = read_only_folders.find(FolderKey(folder));
  if (found == read_only_folders.end()) return std::nullopt;
  return found->second;
}

Outcome<void> RecoverSeasonFolder(const fs::path& folder) {
  const fs::path journal = folder / JournalFileName;
  auto text = ReadWholeFile(journal, 1u << 20);
  if (!text) return Failure{text.failure()};
  if (*text) {
    const auto names = JournalNames(**text);
    if (!names) {
      return Failure{fmt::format("{} holds an unfinished change whose journal ({}) is damaged",
                                 FolderKey(folder).string(), JournalFileName)};
    }
    if (auto finished = FinishJournal(folder, *names); !finished) return finished;
  }
  return RemoveLeftovers(folder);
}

}  // namespace tavrin
