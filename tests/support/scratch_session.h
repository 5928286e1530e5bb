#pragma once
// An empty scratch folder with a season's store and the scripted user: what a command runs on.

#include "platform/session.h"
#include "season/season_store.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace tavrin::testing {

struct ScratchSession {
  TempFolder folder;
  SeasonStore store;
  ScriptedUi ui;
  Session session{store, ui, folder.path()};
};

}  // namespace tavrin::testing
