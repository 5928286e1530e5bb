#include "entry/schedule_window.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry/entry_window_support.h"
#include "entry/typed_changes.h"
#include "league/season_league.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/push_button.h"
#include "platform/qt/twips.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

// Palette colours of the team buttons and the week entry.
constexpr int FreeColour = 0;          // black
constexpr int SelectedColour = 12;     // light red
constexpr int ListedColour = 8;        // grey
constexpr int SettledWeekColour = 1;   // blue: the week entry matches the list
constexpr int ChangedWeekColour = 12;  // light red: the week changed while games are listed

constexpr std::array<const char*, 8> DayCaptions = {"", "Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
constexpr int TeamButtonWidthTwips = 1500;
constexpr int ListWidthTwips = 5400;
constexpr int ListHeightTwips = 3600;

}  // namespace

ScheduleEntryWindow::ScheduleEntryWindow(Session& session, QWidget* owner)
    : QDialog(owner), session_(session), picker_(SeasonTeamCount(session.store)) {
  setObjectName("Schedule");
  setWindowTitle("Tavrin Schedule Entry");

  game_list_ = new QListWidget(this);
  game_list_->setObjectName("List1");
  game_list_->setFont(qt::ReportListFont());
  game_list_->setMinimumSize(qt::TwipsSize(ListWidthTwips, ListHeightTwips));
  game_list_->addItem(ScheduleListHeading);

  week_box_ = new QLineEdit(this);
  week_box_->setObjectName("Text2");
  week_box_->setFixedWidth(qt::TwipsToPixelsX(720));
  auto* week_label = new QLabel("&Week #", this);
  week_label->setBuddy(week_box_);
  auto* year_label = new QLabel(this);
  year_label->setObjectName("Label8");
  year_label->setText(qt::FromLatin1("Year  " + YearText(session_.store.WorkingYear)));

  auto* remove_button = qt::MakeButton(this, "Removebutton", "Remove", "Remove the selected line");
  auto* load_button = qt::MakeButton(this, "loadbutton", "Load", "Load a schedule week");
  // Enter in the week box loads the week.
  load_button->setDefault(true);
  auto* clear_button = qt::MakeButton(this, "Clearbutton", "Clear", "Clear list");
  auto* save_button =
      qt::MakeButton(this, "Savebutton", "Save", "Save week to disk", qt::ButtonPicture::Accept);
  QDialogButtonBox* closing = qt::MakeDialogButtonBox(this, Qt::Vertical);
  QPushButton* help_button =
      qt::AddDialogButton(closing, qt::DialogButton::Help, "Infobutton", "Info",
                          "Help on schedule entry", qt::ButtonPicture::Info);
  qt::AddDialogButton(closing, qt::DialogButton::Close, "Command1", "Done",
                      "Close schedule entry window", qt::ButtonPicture::Done);

  auto* conferences = new QHBoxLayout;
  conferences->addWidget(BuildConference(0));
  conferences->addWidget(BuildConference(1));

  auto* week_row = new QHBoxLayout;
  week_row->addWidget(week_label);
  week_row->addWidget(week_box_);
  week_row->addStretch();
  // The weeks the box takes, so a refused week is no guess.
  auto* week_range = new QLabel(QStringLiteral("(1 - %1)").arg(session_.store.WeeksInSeason), this);
  week_range->setObjectName("weekrange");
  auto* side = new QVBoxLayout;
  side->addWidget(year_label);
  side->addLayout(week_row);
  side->addWidget(week_range, 0, Qt::AlignRight);
  for (QPushButton* button : {load_button, save_button, clear_button, remove_button}) {
    side->addWidget(button);
  }
  side->addStretch();
  side->addWidget(closing);

  auto* lower = new QHBoxLayout;
  lower->addWidget(game_list_, 1);
  lower->addSpacing(qt::TwipsToPixelsX(120));
  lower->addLayout(side);

  // Add lies outside the game box, so that it stays clickable (and beeps) while the pairing is
  // incomplete.
  auto* add_button = qt::MakeButton(this, "Addbutton", "Add", "Add selected teams to list");
  auto* game_row = new QHBoxLayout;
  game_row->addWidget(BuildGameBox(), 1);
  game_row->addWidget(add_button);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(conferences);
  layout->addLayout(game_row);
  layout->addLayout(lower);

  connect(add_button, &QPushButton::clicked, this, [this] { OnAddGame(); });
  connect(remove_button, &QPushButton::clicked, this, [this] { OnRemoveGame(); });
  connect(load_button, &QPushButton::clicked, this, [this] { OnLoadWeek(); });
  connect(clear_button, &QPushButton::clicked, this, [this] { ClearList(); });
  connect(save_button, &QPushButton::clicked, this, [this] { OnSave(); });
  connect(help_button, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Schedule"); });
  connect(week_box_, &QLineEdit::textChanged, this, [this] { OnWeekEdited(); });
  // A week is loaded first: the window opens in its box, where Enter loads it.
  week_box_->setFocus();
}

QWidget* ScheduleEntryWindow::BuildConference(int conference) {
  auto* frame = new QGroupBox(entry_ui::ConferenceCaption(conference), this);
  frame->setObjectName(conference == 0 ? "Frame1" : "Frame2");
  auto* grid = new QGridLayout(frame);
  int column = 0;
  for (const league::Division& division : DivisionsOf(SeasonTeamCount(session_.store))) {
    if (static_cast<int>(division.conference) != conference) continue;
    auto* caption = new QLabel(entry_ui::DivisionCaption(division), frame);
    caption->setAlignment(Qt::AlignCenter);
    grid->addWidget(caption, 0, column);
    for (int team = division.first_team; team <= division.last_team; ++team) {
      auto* button = new QPushButton(qt::FromLatin1(session_.store.LocationName[team]), frame);
      button->setObjectName(QStringLiteral("Clabel_%1").arg(team));
      button->setFlat(true);
      button->setMinimumWidth(qt::TwipsToPixelsX(TeamButtonWidthTwips));
      // Tab reaches every team, and Space or Enter picks it, so a week can be built by keys.
      button->setFocusPolicy(Qt::StrongFocus);
      button->installEventFilter(this);
      team_buttons_[static_cast<std::size_t>(team)] = button;
      entry_ui::SetTextColour(button, FreeColour);
      grid->addWidget(button, 1 + team - division.first_team, column);
      connect(button, &QPushButton::clicked, this, [this, team] { OnTeamLabelClicked(team); });
    }
    ++column;
  }
  grid->setRowStretch(grid->rowCount(), 1);
  return frame;
}

QWidget* ScheduleEntryWindow::BuildGameBox() {
  game_box_ = new QGroupBox(this);
  game_box_->setObjectName("gamebox");
  game_label_ = new QLabel(game_box_);
  game_label_->setObjectName("gamelabel");
  game_label_->setMinimumWidth(qt::TwipsToPixelsX(3600));
  auto* days = new QButtonGroup(game_box_);
  auto* row = new QHBoxLayout(game_box_);
  row->addWidget(game_label_, 1);
  for (int day = 1; day <= 7; ++day) {
    auto* option = new QRadioButton(DayCaptions[static_cast<std::size_t>(day)], game_box_);
    option->setObjectName(QStringLiteral("Option1_%1").arg(day));
    days->addButton(option, day);
    day_options_[static_cast<std::size_t>(day)] = option;
    row->addWidget(option);
  }
  day_options_[1]->setChecked(true);
  auto* reverse_button =
      qt::MakeButton(game_box_, "Reversebutton", "Reverse", "Swap home/away order");
  row->addSpacing(qt::TwipsToPixelsX(240));
  row->addWidget(reverse_button);
  connect(reverse_button, &QPushButton::clicked, this, [this] { OnReverseTeams(); });
  game_box_->setEnabled(false);
  return game_box_;
}

void ScheduleEntryWindow::ShowTeamStates() {
  for (int team = 1; team <= SeasonTeamCount(session_.store); ++team) {
    const TeamPairPicker::TeamState state = picker_.State(team);
    const int colour = state == TeamPairPicker::TeamState::Picked   ? SelectedColour
                       : state == TeamPairPicker::TeamState::Listed ? ListedColour
                                                                    : FreeColour;
    entry_ui::SetTextColour(team_buttons_[static_cast<std::size_t>(team)], colour);
  }
}

void ScheduleEntryWindow::ShowPairing() {
  game_label_->setText(
      qt::FromLatin1(PairingText(session_.store, picker_.First(), picker_.Second())));
}

void ScheduleEntryWindow::OnTeamLabelClicked(int team) {
  const int picked_before = picker_.PickedCount();
  picker_.ClickTeam(team);
  ShowTeamStates();
  game_box_->setEnabled(picker_.PairComplete());
  if (picker_.PairComplete()) {
    ShowPairing();
  } else if (picker_.PickedCount() == 1) {
    game_label_->setText(qt::FromLatin1(session_.store.LocationName[picker_.First()] + " at "));
  } else if (picked_before == 1) {
    game_label_->clear();
  }
}

void ScheduleEntryWindow::OnReverseTeams() {
  picker_.Reverse();
  ShowPairing();
}

void ScheduleEntryWindow::OnAddGame() {
  if (!game_box_->isEnabled()) {
    ShowPairingIncomplete(session_.ui);
    return;
  }
  game_box_->setEnabled(false);
  const int first_team = picker_.First();
  const int second_team = picker_.Second();
  picker_.SetListed(first_team, true);
  picker_.SetListed(second_team, true);
  picker_.DropPicks();
  ShowTeamStates();
  int day = 1;
  for (int option = 1; option <= 7; ++option) {
    if (day_options_[static_cast<std::size_t>(option)]->isChecked()) day = option;
  }
  const ScheduledGame game{static_cast<int16_t>(first_team), static_cast<int16_t>(second_team),
                           static_cast<int16_t>(day)};
  AddListLine(game);
  typed_ = true;
  game_label_->clear();
  day_options_[1]->setChecked(true);
}

void ScheduleEntryWindow::AddListLine(const ScheduledGame& game) {
  game_list_->addItem(qt::FromLatin1(ScheduleListLine(session_.store, game)));
  games_.push_back(game);
}

void ScheduleEntryWindow::OnRemoveGame() {
  const int line = game_list_->currentRow();
  if (line < 1 || !game_list_->currentItem()->isSelected() ||
      line > static_cast<int>(games_.size())) {
    return;
  }
  delete game_list_->takeItem(line);
  game_list_->setCurrentRow(
      -1);  // no line is selected after a removal, so a second click removes nothing
  const auto removed = games_.begin() + (line - 1);
  for (const int team : {removed->first, removed->second}) picker_.SetListed(team, false);
  ShowTeamStates();
  games_.erase(removed);
  typed_ = true;
}

bool ScheduleEntryWindow::ClearList() {
  if (!games_.empty() &&
      !session_.ui.AskYesNo("Is it Ok to Clear Schedule list?", "Tavrin Schedule",
                            MessageIcon::None, DefaultButton::First)) {
    return false;
  }
  // A pairing half built is dropped too, so that a team loaded into the list cannot stay
  // selected for another game.
  picker_.Reset();
  ShowTeamStates();
  game_list_->clear();
  game_list_->addItem(ScheduleListHeading);
  games_.clear();
  game_label_->clear();
  game_box_->setEnabled(false);
  typed_ = false;
  entry_ui::SetTextColour(week_box_, SettledWeekColour);
  return true;
}

void ScheduleEntryWindow::OnLoadWeek() {
  const auto week = EntryWeek(session_, qt::ToLatin1(week_box_->text()));
  if (!week) {
    // The refused week is the one to correct.
    week_box_->setFocus();
    week_box_->selectAll();
    return;
  }
  if (!ClearList()) return;
  for (const ScheduledGame& game : LoadScheduleWeek(session_, *week)) {
    AddListLine(game);
    for (const int team : {game.first, game.second}) picker_.SetListed(team, true);
  }
  ShowTeamStates();
}

void ScheduleEntryWindow::OnSave() {
  if (SaveScheduleWeek(session_, qt::ToLatin1(week_box_->text()), games_)) {
    entry_ui::SetTextColour(week_box_, SettledWeekColour);
    typed_ = false;
  }
}

void ScheduleEntryWindow::OnWeekEdited() {
  if (!games_.empty()) entry_ui::SetTextColour(week_box_, ChangedWeekColour);
}

bool ScheduleEntryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    if (auto* team = qobject_cast<QPushButton*>(watched)) {
      team->setFlat(event->type() == QEvent::FocusOut);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ScheduleEntryWindow::reject() {
  if (MayCloseWithTypedChanges(session_.ui, typed_)) QDialog::reject();
}

ScheduleEntryWindow* OpenScheduleWindow(Session& session, QWidget* main_window) {
  return entry_ui::OpenEntryWindow<ScheduleEntryWindow>(session, main_window);
}

}  // namespace tavrin
