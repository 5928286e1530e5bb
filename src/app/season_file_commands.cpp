#include "app/season_file_commands.h"

#include <fmt/format.h>

#include <filesystem>

#include "entry/season_export.h"
#include "entry/season_import.h"
#include "platform/messages.h"
#include "season/file_io.h"

namespace tavrin {

namespace {

constexpr const char* CsvFilter = "Season files (*.csv);;All files (*)";

}  // namespace

bool ImportChosenSeasonFile(Session& session) {
  const auto chosen = session.ui.ChooseFileToOpen("Import Season", CsvFilter);
  if (!chosen) return false;
  const std::filesystem::path file = *chosen;
  const std::string name = file.filename().string();
  session.ui.ShowBusyPointer();
  const auto text = ReadWholeFile(file, MaxInputFileSize);
  if (!text || !*text) {
    session.ui.ShowMessage(fmt::format("Unable to read {}:\n\r{}.", name,
                                       text ? "the file does not exist" : text.failure()),
                           ProgramCaption, MessageIcon::Exclamation);
    return false;
  }
  return ImportSeason(session, name, **text, ImportChoice{});
}

bool ExportSeasonToChosenFile(Session& session) {
  const auto chosen = session.ui.ChooseFileToSave("Export Season", CsvFilter,
                                                  fmt::format("{}.csv", session.store.WorkingYear));
  return chosen && ExportSeason(session, *chosen);
}

}  // namespace tavrin
