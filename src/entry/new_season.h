#pragma once
// The new season setup: last season's final ratings and averages carried into block 0 of the
// new season, with week 1 predicted from them.

#include "platform/session.h"

namespace tavrin {

enum class NewSeasonResult {
  Declined,  // No to the question, or the weeks question cancelled: nothing changed
  Refused,   // last season's block or the new week 1 schedule missing: nothing written
  Done,      // block 0 written and the settings file rewritten
  NotSaved,  // a file could not be written; the user has been told which
};

NewSeasonResult RunNewSeasonSetup(Session& session);

}  // namespace tavrin
