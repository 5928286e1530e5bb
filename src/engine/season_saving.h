#pragma once
// The last step of every command that changes the season: the files it wrote in its change
// committed together, or the user told what could not be saved and why.

#include <initializer_list>

#include "platform/user_interface.h"
#include "season/outcome.h"
#include "season/season_change.h"

namespace tavrin {

// True when every write was staged and the change is on disk; false, with the first failure
// shown and no file changed, otherwise.
bool SaveOrTell(UserInterface& ui, SeasonChange& change,
                std::initializer_list<Outcome<void>> writes);

}  // namespace tavrin
