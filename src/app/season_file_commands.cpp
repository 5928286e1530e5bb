#include "app/season_file_commands.h"

#include <fmt/format.h>

#include <algorithm>
#include <filesystem>

#include "entry/season_export.h"
#include "entry/season_import.h"
#include "league/games_file.h"
#include "platform/messages.h"
#include "season/file_io.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr const char* CsvFilter = "Season files (*.csv);;All files (*)";

}  // namespace

std::optional<ChosenSeasonFile> ChooseSeasonFile(Session& session) {
  const auto chosen = session.ui.ChooseFileToOpen("Import Season", CsvFilter);
  if (!chosen) return std::nullopt;
  const std::filesystem::path file = *chosen;
  const std::string name = file.filename().string();
  session.ui.ShowBusyPointer();
  auto text = ReadWholeFile(file, MaxInputFileSize);
  if (!text || !*text) {
    session.ui.ShowMessage(fmt::format("Unable to read {}:\n\r{}.", name,
                                       text ? "the file does not exist" : text.failure()),
                           ProgramCaption, MessageIcon::Exclamation);
    return std::nullopt;
  }
  return ChosenSeasonFile{name, std::move(**text)};
}

bool ImportChosenSeasonFile(Session& session) {
  const auto chosen = ChooseSeasonFile(session);
  if (!chosen) return false;
  ImportChoice choice;
  if (IsGamesFileHeader(chosen->text)) {
    const auto year = ChooseGamesFileSeason(session, chosen->text);
    if (!year) return false;
    auto reader = GamesFileReader(*year, SeasonTeamCount(session.store));
    if (!reader) {
      session.ui.ShowMessage(
          fmt::format("{} was not imported:\n\r{}.", chosen->name, reader.failure()),
          ProgramCaption, MessageIcon::Exclamation);
      return false;
    }
    choice.reader = std::move(*reader);
  }
  return ImportSeason(session, chosen->name, chosen->text, choice);
}

std::optional<int> ChooseGamesFileSeason(Session& session, std::string_view text) {
  const std::vector<int> seasons = GamesFileSeasons(text);
  const int working = session.store.WorkingYear;
  if (seasons.size() == 1) return seasons.front();
  const bool holds_working = std::find(seasons.begin(), seasons.end(), working) != seasons.end();
  const std::string listed = seasons.empty()
                                 ? std::string("none")
                                 : fmt::format("{} to {}", seasons.front(), seasons.back());
  const auto answer = session.ui.InputBox(
      fmt::format("The file holds the seasons {}. Which season?", listed), "Import Season",
      std::to_string(holds_working || seasons.empty() ? working : seasons.back()));
  if (!answer) return std::nullopt;
  const auto year = ReadTypedWholeNumber(*answer, 9999);
  if (!year || std::find(seasons.begin(), seasons.end(), *year) == seasons.end()) {
    session.ui.ShowMessage(fmt::format("The file holds no season \"{}\".", *answer), ProgramCaption,
                           MessageIcon::Exclamation);
    return std::nullopt;
  }
  return year;
}

bool ExportSeasonToChosenFile(Session& session) {
  const auto chosen = session.ui.ChooseFileToSave("Export Season", CsvFilter,
                                                  fmt::format("{}.csv", session.store.WorkingYear));
  return chosen && ExportSeason(session, *chosen);
}

}  // namespace tavrin
