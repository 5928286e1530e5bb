#pragma once
// The File menu's season import and export: the standard file dialogs, then the commands the
// companion tool runs too.

#include <optional>
#include <string>
#include <string_view>

#include "platform/session.h"

namespace tavrin {

// A season CSV the user chose to open: its name and its text.
struct ChosenSeasonFile {
  std::string name;
  std::string text;
};
// The open file dialog for a season CSV, and the file read; nothing when the user cancelled or
// the file could not be read (the user has been told).
std::optional<ChosenSeasonFile> ChooseSeasonFile(Session& session);

// "Import Season...": the file chosen to open, imported whole or not at all. True when the
// season's files were replaced; false when the user cancelled or the import was refused.
// The community's games file is read too, its season asked for when it holds several.
bool ImportChosenSeasonFile(Session& session);

// The season of a games file to import: the only one, or the one the user names (offered: the
// working year when the file holds it, else its last). Nothing on Cancel or a year it lacks.
std::optional<int> ChooseGamesFileSeason(Session& session, std::string_view text);

// "Export Season...": the season written to the file chosen to save. True when written.
bool ExportSeasonToChosenFile(Session& session);

}  // namespace tavrin
