#include "platform/qt/help_topics.h"

namespace tavrin::qt {

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics{
      {"Contents", "contents"},
      {"First Season", "first-season"},
      {"Demo Season", "first-season"},
      {"Getting Started", "getting-started"},
      {"Toolbar", "toolbar"},
      {"Schedule", "schedule-entry"},
      {"Schedules", "schedule-views"},
      {"Score Entry", "score-entry"},
      {"Predictions", "predictions"},
      {"Weekly Results", "weekly-results"},
      {"Results by Team", "team-results"},
      {"Standings", "standings"},
      {"Statistics", "statistics"},
      {"Statistics Editor", "statistics-editor"},
      {"Rating Graphs", "graphs"},
      {"Single Game Predictions", "single-game"},
      {"Season Projections", "projection"},
      {"New Season", "new-season"},
      {"Import Season", "import-export"},
      {"Export Season", "import-export"},
      {"Enter Again", "enter-again"},
      {"Windows", "windows"},
      {"Play-off Odds", "standings"},
      {"Scorecard", "scorecard"},
      {"team names", "team-names"},
      {"Settings", "settings"},
      {"Fonts", "fonts"},
      {"Printing", "printing"},
      {"CQR", "cqr"},
      {"Files", "files"},
      {"Read-only", "read-only"},
      {"Keyboard", "keyboard"},
  };
  return topics;
}

QString HelpAnchorFor(const QString& keyword) {
  for (const HelpTopic& topic : HelpTopics()) {
    if (topic.keyword.compare(keyword.trimmed(), Qt::CaseInsensitive) == 0) return topic.anchor;
  }
  return {};
}

}  // namespace tavrin::qt
