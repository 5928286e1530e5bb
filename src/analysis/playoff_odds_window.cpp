#include "analysis/playoff_odds_window.h"

#include <fmt/format.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "presentation/enter_again_label.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr int ProgressShownAfterMs = 250;

// The columns for a league of `seeds` seeds a conference.
QStringList ColumnTitles(int seeds) {
  QStringList titles{"Team",      "Division", "Record", "Wins div.",
                     "Play-offs", "Rest",     "Final",  "Title"};
  for (int seed = 1; seed <= seeds; ++seed) titles << QString("#%1").arg(seed);
  return titles << "Clinched";
}
constexpr int PlayoffsColumn = 4;
constexpr int FirstSeedColumn = 8;

// The odds table, which sizes its seed columns by their cells and would be as wide as all its
// columns, so that the window opens showing every one where the screen has the room.
class OddsTable : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  using QTableWidget::sizeHintForColumn;

  QSize sizeHint() const override {
    const int columns =
        horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    return QTableWidget::sizeHint().expandedTo({columns, 0});
  }
};

// The status column's words, by OddsStatus.
const QStringList StatusWords{"", "First-round rest", "Division", "Play-off place", "Eliminated"};

// The result box of a game left: nothing picked, the visitor, the home team, a tie.
enum PickChoice { NotPicked, VisitorPicked, HomePicked, TiePicked };

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

// A figure as the odds show it, with its change from the odds without picks when there are
// picks; it sorts by its value.
NumberItem* FigureItem(const std::string& text, int count, int runs, std::optional<int> count_as_is,
                       int runs_as_is) {
  const double percent = OddsPercent(count, runs);
  std::string shown = text;
  if (count_as_is) {
    const double change = percent - OddsPercent(*count_as_is, runs_as_is);
    if (std::abs(change) >= 0.05) shown += fmt::format(" {:+.1f}", change);
  }
  return new NumberItem(QString::fromStdString(shown), percent);
}

// Every stage's count in the order of the table's figure columns.
std::vector<int> StageCounts(const TeamOdds& odds, int seeds) {
  std::vector<int> counts{odds.division, odds.playoffs, odds.rest, odds.final_game, odds.title};
  counts.insert(counts.end(), odds.seeds.begin(), odds.seeds.begin() + seeds);
  return counts;
}

// Runs the odds with a progress dialog over `parent` when they take longer than a blink.
std::optional<PlayoffOdds> RunOdds(Session& session, QWidget* parent, const OddsOptions& options) {
  QProgressDialog progress("Playing the rest of the season...", QString(), 0, options.runs, parent);
  progress.setWindowTitle("Play-off Odds");
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(ProgressShownAfterMs);
  progress.setValue(0);
  auto odds = ShowPlayoffOdds(session, options, [&progress](int done, int runs) {
    progress.setMaximum(runs);
    progress.setValue(done);
  });
  progress.reset();
  return odds;
}

}  // namespace

PlayoffOddsWindow::PlayoffOddsWindow(Session& session, const PlayoffOdds& odds,
                                     const OddsOptions& options, QWidget* owner)
    : QDialog(owner),
      session_(session),
      options_(options),
      as_is_(std::make_unique<PlayoffOdds>(odds)),
      lines_(PlayoffOddsLines(session.store, odds)) {
  setObjectName("PlayoffOdds");
  setWindowTitle("Play-off Odds");
  setSizeGripEnabled(true);

  auto* title = new QLabel(qt::FromLatin1(lines_[0] + "\n" + lines_[1]), this);
  title->setObjectName("oddstitle");

  odds_table_ = new OddsTable(this);
  odds_table_->setObjectName("oddstable");
  odds_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  odds_table_->setSelectionMode(QAbstractItemView::NoSelection);
  odds_table_->verticalHeader()->hide();
  odds_table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  // Every team's row on a large screen; a smaller one scrolls the table.
  odds_table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  FillOddsTable(odds);

  const auto legend = StatusLegend();
  auto* legend_label = new QLabel(
      QString::fromLatin1("Clinched: no result left can change it.  %1")
          .arg(QString::fromLatin1(legend[1].data(), static_cast<int>(legend[1].size()))),
      this);
  legend_label->setObjectName("oddslegend");
  legend_label->setWordWrap(true);

  // What if? The games left, each with a result the user may pick.
  auto* what_if = new QGroupBox("&What if? Pick results of the games left", this);
  what_if->setObjectName("whatif");
  pick_table_ = new QTableWidget(what_if);
  pick_table_->setObjectName("picktable");
  pick_table_->setSelectionMode(QAbstractItemView::NoSelection);
  pick_table_->verticalHeader()->hide();
  FillPickTable();
  auto* play_button = new QPushButton("&Play with these results", what_if);
  play_button->setObjectName("whatifbutton");
  auto* clear_button = new QPushButton("C&lear picks", what_if);
  clear_button->setObjectName("clearpicksbutton");
  auto* pick_buttons = new QVBoxLayout;
  pick_buttons->addWidget(play_button);
  pick_buttons->addWidget(clear_button);
  pick_buttons->addStretch(1);
  auto* what_if_layout = new QHBoxLayout(what_if);
  what_if_layout->addWidget(pick_table_, 1);
  what_if_layout->addLayout(pick_buttons);
  // The odds table and the games left share the height as the user drags their border.
  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(odds_table_);
  splitter->addWidget(what_if);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  // Three fifths to the odds and two to the games left from the start, however tall the odds
  // table would like to be, so that a short screen still shows several games to pick.
  splitter->setSizes({3 * QWIDGETSIZE_MAX / 8, 2 * QWIDGETSIZE_MAX / 8});
  what_if->setVisible(!odds.unplayed.empty());  // a season played out has nothing to pick

  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print Play-off Odds");
  AddViewButton(buttons, "Donebutton", qt::ButtonPicture::Done, "Close Play-off Odds");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(splitter, 1);
  layout->addWidget(legend_label);
  if (QLabel* note = MakeEnterAgainLabel(this, session_)) layout->addWidget(note);
  layout->addWidget(buttons);
  connect(print_button, &QPushButton::clicked, this, &PlayoffOddsWindow::OnPrint);
  connect(play_button, &QPushButton::clicked, this, &PlayoffOddsWindow::OnPlayPicks);
  connect(clear_button, &QPushButton::clicked, this, &PlayoffOddsWindow::OnClearPicks);
}

void PlayoffOddsWindow::FillOddsTable(const PlayoffOdds& odds) {
  const bool picked = odds.picked_games > 0;
  odds_table_->setSortingEnabled(false);  // rows stay where they are while they are filled
  odds_table_->clear();
  const QStringList titles = ColumnTitles(odds.seeds_per_conference);
  odds_table_->setColumnCount(static_cast<int>(titles.size()));
  odds_table_->setHorizontalHeaderLabels(titles);
  odds_table_->setRowCount(odds.team_count);
  const SeasonLeague league = OddsLeague(session_.store);
  for (int team = 1; team <= odds.team_count; ++team) {
    const int row = team - 1;
    const int division_index = league.DivisionIndexOf(team);
    const auto& division = league.divisions[static_cast<std::size_t>(division_index)];
    const WonLostTied& record = odds.records[team];
    const int games = record.won + record.lost + record.tied;
    int column = 0;
    const auto put = [&](QTableWidgetItem* item) { odds_table_->setItem(row, column++, item); };
    put(new QTableWidgetItem(qt::FromLatin1(session_.store.LocationName[team])));
    // Sorting by division keeps the standings' order: conference, then division.
    put(new NumberItem(QString::fromStdString(fmt::format(
                           "{} {}", league::ConferenceNames[static_cast<int>(division.conference)],
                           division.name)),
                       division_index + team / 100.0, Qt::AlignLeft));
    put(new NumberItem(QString::fromStdString(RecordText(record)),
                       games == 0 ? 0.0 : (record.won + record.tied / 2.0) / games));
    const auto texts = TeamOddsTexts(odds, team);
    const auto counts = StageCounts(odds.teams[team], odds.seeds_per_conference);
    const auto counts_as_is = StageCounts(as_is_->teams[team], odds.seeds_per_conference);
    for (std::size_t stage = 0; stage < counts.size(); ++stage) {
      put(FigureItem(texts[stage], counts[stage], odds.runs,
                     picked ? std::optional(counts_as_is[stage]) : std::nullopt, as_is_->runs));
    }
    const auto status = StatusOf(odds.proven[team]);
    // Sorted from a clinched rest down to eliminated, which comes after no status at all.
    const int rank = status == OddsStatus::None         ? 0
                     : status == OddsStatus::Eliminated ? -1
                                                        : 4 - static_cast<int>(status);
    put(new NumberItem(StatusWords[static_cast<int>(status)], rank, Qt::AlignLeft));
  }
  // Every column as wide as its widest figure and change; a narrow screen scrolls them.
  QHeaderView* header = odds_table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setStretchLastSection(true);
  odds_table_->setSortingEnabled(true);
  odds_table_->sortByColumn(PlayoffsColumn, Qt::DescendingOrder);
  // Each seed column as wide as its figures and title, without the room a header keeps for the
  // sort arrow: with seven seeds that room would push the status column off a 1024-pixel screen.
  const int title_margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  for (int column = FirstSeedColumn; column < odds_table_->columnCount() - 1; ++column) {
    header->setSectionResizeMode(column, QHeaderView::Interactive);
    header->resizeSection(
        column, std::max(static_cast<OddsTable*>(odds_table_)->sizeHintForColumn(column),
                         header->fontMetrics().horizontalAdvance(titles[column]) + title_margins));
  }
}

void PlayoffOddsWindow::FillPickTable() {
  const std::vector<SeasonGame>& games = as_is_->unplayed;
  pick_table_->setColumnCount(4);
  pick_table_->setHorizontalHeaderLabels({"Week", "Visitor", "Home", "Result"});
  pick_table_->setRowCount(static_cast<int>(games.size()));
  const auto location = [&](int team) { return qt::FromLatin1(session_.store.LocationName[team]); };
  for (int row = 0; row < pick_table_->rowCount(); ++row) {
    const SeasonGame& game = games[static_cast<std::size_t>(row)];
    auto* week = new QTableWidgetItem(QString::number(game.week));
    week->setFlags(Qt::ItemIsEnabled);
    pick_table_->setItem(row, 0, week);
    for (const auto& [column, team] : {std::pair(1, game.visitor), std::pair(2, game.home)}) {
      auto* item = new QTableWidgetItem(location(team));
      item->setFlags(Qt::ItemIsEnabled);
      pick_table_->setItem(row, column, item);
    }
    auto* result = new QComboBox(pick_table_);
    result->addItems({"", location(game.visitor) + " win", location(game.home) + " win", "Tie"});
    result->setAccessibleName(QString("Result of %1 at %2, week %3")
                                  .arg(location(game.visitor), location(game.home))
                                  .arg(game.week));
    pick_table_->setCellWidget(row, 3, result);
  }
  pick_table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  pick_table_->horizontalHeader()->setStretchLastSection(true);
}

std::vector<PickedGame> PlayoffOddsWindow::Picks() const {
  std::vector<PickedGame> picks;
  for (int row = 0; row < pick_table_->rowCount(); ++row) {
    const auto* result = qobject_cast<const QComboBox*>(pick_table_->cellWidget(row, 3));
    if (result == nullptr || result->currentIndex() == NotPicked) continue;
    const SeasonGame& game = as_is_->unplayed[static_cast<std::size_t>(row)];
    const PickedResult picked = result->currentIndex() == VisitorPicked ? PickedResult::VisitorWins
                                : result->currentIndex() == HomePicked  ? PickedResult::HomeWins
                                                                        : PickedResult::Tie;
    picks.push_back({game.week, game.visitor, game.home, picked});
  }
  return picks;
}

void PlayoffOddsWindow::OnPlayPicks() {
  OddsOptions options = options_;
  options.picks = Picks();
  const auto odds = RunOdds(session_, this, options);
  if (!odds) return;
  lines_ = PlayoffOddsLines(session_.store, *odds);
  findChild<QLabel*>("oddstitle")->setText(qt::FromLatin1(lines_[0] + "\n" + lines_[1]));
  FillOddsTable(*odds);
}

void PlayoffOddsWindow::OnClearPicks() {
  for (int row = 0; row < pick_table_->rowCount(); ++row) {
    if (auto* result = qobject_cast<QComboBox*>(pick_table_->cellWidget(row, 3)))
      result->setCurrentIndex(NotPicked);
  }
  lines_ = PlayoffOddsLines(session_.store, *as_is_);
  findChild<QLabel*>("oddstitle")->setText(qt::FromLatin1(lines_[0] + "\n" + lines_[1]));
  FillOddsTable(*as_is_);
}

void PlayoffOddsWindow::OnPrint() {
  PrintAsJob(session_, "Tavrin Play-off Odds", [this] { PrintPlayoffOdds(session_, lines_); });
}

QDialog* OpenPlayoffOddsWindow(Session& session, QWidget* main_window, const OddsOptions& options) {
  const auto odds = RunOdds(session, main_window, options);
  if (!odds) return nullptr;
  auto* window = new PlayoffOddsWindow(session, *odds, options, main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
