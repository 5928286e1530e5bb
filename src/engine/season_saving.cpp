#include "engine/season_saving.h"

#include "platform/messages.h"

namespace tavrin {

bool SaveOrTell(UserInterface& ui, SeasonChange& change,
                std::initializer_list<Outcome<void>> writes) {
  for (const Outcome<void>& write : writes) {
    if (!write) {
      ShowSaveFailure(ui, write.failure() + ".\n\rNo file has been changed.");
      return false;
    }
  }
  const auto committed = change.Commit();
  if (committed) return true;
  ShowSaveFailure(ui, committed.failure() + ".\n\rNo file has been changed.");
  return false;
}

}  // namespace tavrin
