#pragma once
// The "New Season Setup" command. The setup carries the ratings of last season's final week into
// the working year; a folder's first season has no last season to carry them from, so the
// command says what such a season needs and starts it with every team evenly rated instead.

#include "platform/command_result.h"
#include "platform/session.h"

namespace tavrin {

// With last season's statistics file in the folder, or the working year already started, the
// setup itself. Otherwise, once week 1's schedule is entered, the user is asked to start the
// season with every team rated alike (demo/first_season_start.h); before that, told to enter it.
CommandResult RunNewSeasonCommand(Session& session);

}  // namespace tavrin
