#pragma once
// The File menu's season import and export: the standard file dialogs, then the commands the
// companion tool runs too.

#include "platform/session.h"

namespace tavrin {

// "Import Season...": the file chosen to open, imported whole or not at all. True when the
// season's files were replaced; false when the user cancelled or the import was refused.
bool ImportChosenSeasonFile(Session& session);

// "Export Season...": the season written to the file chosen to save. True when written.
bool ExportSeasonToChosenFile(Session& session);

}  // namespace tavrin
