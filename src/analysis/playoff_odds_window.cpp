#include "analysis/playoff_odds_window.h"

#include <fmt/format.h>

#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>

#include "platform/qt/latin1_text.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr int ProgressShownAfterMs = 250;

const QStringList ColumnTitles{"Team",   "Division", "Record", "Wins div.", "Play-offs",
                               "Rest",   "Final",    "Title",  "Seed 1",    "Seed 2",
                               "Seed 3", "Seed 4",   "Seed 5", "Seed 6"};

// A cell shown as text that sorts by a number.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(const QString& text, double value, Qt::Alignment alignment = Qt::AlignRight)
      : QTableWidgetItem(text) {
    setData(Qt::UserRole, value);
    setTextAlignment(alignment | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

NumberItem* PercentItem(int count, int runs) {
  const double percent = OddsPercent(count, runs);
  return new NumberItem(QString::fromStdString(fmt::format("{:.1f}", percent)), percent);
}

}  // namespace

PlayoffOddsWindow::PlayoffOddsWindow(Session& session, const PlayoffOdds& odds)
    : session_(session), lines_(PlayoffOddsLines(session.store, odds)) {
  setObjectName("PlayoffOdds");
  setWindowTitle("Play-off Odds");
  setFixedSize(qt::TwipsSize(15000, 10200));

  auto* title = new QLabel(qt::FromLatin1(lines_[0] + "\n" + lines_[1]), this);
  title->setObjectName("oddstitle");
  title->setGeometry(qt::TwipsRect(120, 60, 14760, 520));

  odds_table_ = new QTableWidget(this);
  odds_table_->setObjectName("oddstable");
  odds_table_->setGeometry(qt::TwipsRect(120, 600, 14760, 8700));
  odds_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  odds_table_->setSelectionMode(QAbstractItemView::NoSelection);
  odds_table_->verticalHeader()->hide();
  odds_table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  FillTable(odds);

  print_button_ = MakePictureButton(this, "printbutton", qt::ButtonPicture::Print,
                                    "Print Play-off Odds", 13440, 9420);
  done_button_ = MakePictureButton(this, "Donebutton", qt::ButtonPicture::Done,
                                   "Close Play-off Odds", 14160, 9420);
  connect(done_button_, &QPushButton::clicked, this, &QWidget::close);
  connect(print_button_, &QPushButton::clicked, this, &PlayoffOddsWindow::PrintButtonClick);
  ArrangeClosingButtons(this);
}

void PlayoffOddsWindow::FillTable(const PlayoffOdds& odds) {
  odds_table_->setColumnCount(static_cast<int>(ColumnTitles.size()));
  odds_table_->setHorizontalHeaderLabels(ColumnTitles);
  odds_table_->setRowCount(LeagueTeamCount);
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    const int row = team - 1;
    const TeamOdds& team_odds = odds.teams[team];
    const auto& division = league::Divisions[league::DivisionIndexOf(team)];
    const WonLostTied& record = odds.records[team];
    const int games = record.won + record.lost + record.tied;
    int column = 0;
    const auto put = [&](QTableWidgetItem* item) { odds_table_->setItem(row, column++, item); };
    put(new QTableWidgetItem(qt::FromLatin1(session_.store.LocationName[team])));
    // Sorting by division keeps the standings' order: conference, then division.
    put(new NumberItem(QString::fromStdString(fmt::format(
                           "{} {}", league::ConferenceNames[static_cast<int>(division.conference)],
                           division.name)),
                       league::DivisionIndexOf(team) + team / 100.0, Qt::AlignLeft));
    put(new NumberItem(QString::fromStdString(RecordText(record)),
                       games == 0 ? 0.0 : (record.won + record.tied / 2.0) / games));
    for (int count : {team_odds.division, team_odds.playoffs, team_odds.rest, team_odds.final_game,
                      team_odds.title}) {
      put(PercentItem(count, odds.runs));
    }
    for (int count : team_odds.seeds) put(PercentItem(count, odds.runs));
  }
  // The names take what they need; the figures share the rest, with room for the sort arrow.
  QHeaderView* header = odds_table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Stretch);
  header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  odds_table_->setSortingEnabled(true);
  odds_table_->sortByColumn(4, Qt::DescendingOrder);
}

void PlayoffOddsWindow::PrintButtonClick() {
  PrintAsJob(session_, "Tavrin Play-off Odds", [this] { PrintPlayoffOdds(session_, lines_); });
}

QWidget* OpenPlayoffOddsWindow(Session& session, QWidget* main_window, const OddsOptions& options) {
  QProgressDialog progress("Playing the rest of the season...", QString(), 0, options.runs,
                           main_window);
  progress.setWindowTitle("Play-off Odds");
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(ProgressShownAfterMs);
  progress.setValue(0);
  const auto odds = ShowPlayoffOdds(session, options, [&progress](int done, int runs) {
    progress.setMaximum(runs);
    progress.setValue(done);
  });
  progress.reset();
  if (!odds) return nullptr;
  auto* window = new PlayoffOddsWindow(session, *odds);
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
