#include "app/season_hold.h"

#include <fmt/format.h>

#include "platform/messages.h"
#include "season/season_change.h"

namespace tavrin {

std::optional<SeasonLock> HoldSeasonFolder(const std::filesystem::path& folder, UserInterface& ui,
                                           std::chrono::milliseconds patience) {
  auto lock = OpenSeasonForChanges(folder, WindowProgramName, patience);
  if (lock) return std::move(*lock);
  MarkSeasonReadOnly(folder, lock.failure() + "; this window only shows the season");
  ui.ShowMessage(fmt::format("{}.\n\rTavrin opens the season read-only: everything can be looked "
                             "at and printed, but nothing can be saved until Tavrin is opened "
                             "again once the other program has finished.",
                             lock.failure()),
                 ProgramCaption, MessageIcon::Exclamation);
  return std::nullopt;
}

}  // namespace tavrin
