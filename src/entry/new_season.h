#pragma once
// The new season setup: last season's final ratings and averages carried into block 0 of the
// new season, with week 1 predicted from them.

#include "platform/session.h"

namespace tavrin {

// Refused: last season's block or the new week 1 schedule is missing. Done: block 0 written and
// the settings file rewritten.
CommandResult RunNewSeasonSetup(Session& session);

}  // namespace tavrin
