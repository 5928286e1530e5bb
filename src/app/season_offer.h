#pragma once
// A folder that holds no season (neither the settings file nor a names file) would open a
// main window with nothing behind it. Before loading, the user chooses in one dialog: the demo
// season made there, a new empty season for a year the user types, a season imported from a
// season CSV or the community's games file (a new season of the file's year, then the file
// imported), or quitting.

#include "platform/session.h"

namespace tavrin {

// The dialog's buttons, in order.
enum class EmptyFolderChoice { MakeDemo, NewSeason, ImportSeason, Quit };

// True when the folder holds a settings file or a names file of either league.
bool FolderHoldsSeason(const std::filesystem::path& folder);

// Nothing happens for a folder that holds a season. Otherwise the dialog, asked again after a
// choice that did not give the folder a season (the user has been told why). True when the
// program should go on loading, false when the user chose to quit, or when another program
// holds the folder, so that nothing could be made there (the user is told).
bool OfferSeasonForEmptyFolder(Session& session);

}  // namespace tavrin
