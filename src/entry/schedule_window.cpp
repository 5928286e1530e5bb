#include "entry/schedule_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
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
#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
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

ScheduleEntryWindow::ScheduleEntryWindow(Session& session) : session_(session) {
  setObjectName("Schedule");
  setWindowTitle("Tavrin Schedule Entry");

  game_list_ = new QListWidget(this);
  game_list_->setObjectName("List1");
  game_list_->setFont(qt::ReportListFont());
  game_list_->setMinimumSize(qt::TwipsSize(ListWidthTwips, ListHeightTwips));
  game_list_->addItem(ScheduleListHeading);

  Text2_ = new QLineEdit(this);
  Text2_->setObjectName("Text2");
  Text2_->setFixedWidth(qt::TwipsToPixelsX(720));
  auto* week_label = new QLabel("Week #", this);
  Label8_ = new QLabel(this);
  Label8_->setObjectName("Label8");
  Label8_->setText(qt::FromLatin1("Year  " + YearText(session_.store.WorkingYear)));

  auto* Removebutton = qt::MakeButton(this, "Removebutton", "Remove", "Remove the selected line");
  auto* loadbutton = qt::MakeButton(this, "loadbutton", "Load", "Load a schedule week");
  auto* Clearbutton = qt::MakeButton(this, "Clearbutton", "Clear", "Clear list");
  auto* Savebutton =
      qt::MakeButton(this, "Savebutton", "Save", "Save week to disk", qt::ButtonPicture::Accept);
  auto* donebutton = qt::MakeButton(this, "Command1", "Done", "Close schedule entry window",
                                    qt::ButtonPicture::Done);
  auto* Infobutton =
      qt::MakeButton(this, "Infobutton", "Info", "Help on schedule entry", qt::ButtonPicture::Info);

  auto* conferences = new QHBoxLayout;
  conferences->addWidget(BuildConference(0));
  conferences->addWidget(BuildConference(1));

  auto* week_row = new QHBoxLayout;
  week_row->addWidget(week_label);
  week_row->addWidget(Text2_);
  week_row->addStretch();
  auto* side = new QVBoxLayout;
  side->addWidget(Label8_);
  side->addLayout(week_row);
  for (QPushButton* button : {loadbutton, Savebutton, Clearbutton, Removebutton}) {
    side->addWidget(button);
  }
  side->addStretch();
  side->addWidget(Infobutton);
  side->addWidget(donebutton);

  auto* lower = new QHBoxLayout;
  lower->addWidget(game_list_, 1);
  lower->addSpacing(qt::TwipsToPixelsX(120));
  lower->addLayout(side);

  // Add lies outside the game box, so that it stays clickable (and beeps) while the pairing is
  // incomplete.
  auto* Addbutton = qt::MakeButton(this, "Addbutton", "Add", "Add selected teams to list");
  auto* game_row = new QHBoxLayout;
  game_row->addWidget(BuildGameBox(), 1);
  game_row->addWidget(Addbutton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(conferences);
  layout->addLayout(game_row);
  layout->addLayout(lower);

  connect(Addbutton, &QPushButton::clicked, this, [this] { OnAddGame(); });
  connect(Removebutton, &QPushButton::clicked, this, [this] { OnRemoveGame(); });
  connect(loadbutton, &QPushButton::clicked, this, [this] { OnLoadWeek(); });
  connect(Clearbutton, &QPushButton::clicked, this, [this] { ClearList(); });
  connect(Savebutton, &QPushButton::clicked, this, [this] { OnSave(); });
  connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
  connect(Infobutton, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Schedule"); });
  connect(Text2_, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
}

QWidget* ScheduleEntryWindow::BuildConference(int conference) {
  auto* frame = new QGroupBox(entry_ui::ConferenceCaption(conference), this);
  frame->setObjectName(conference == 0 ? "Frame1" : "Frame2");
  auto* grid = new QGridLayout(frame);
  int column = 0;
  for (const league::Division& division : league::Divisions) {
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
      Clabel_[static_cast<std::size_t>(team)] = button;
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
  gamebox_ = new QGroupBox(this);
  gamebox_->setObjectName("gamebox");
  gamelabel_ = new QLabel(gamebox_);
  gamelabel_->setObjectName("gamelabel");
  gamelabel_->setMinimumWidth(qt::TwipsToPixelsX(3600));
  auto* days = new QButtonGroup(gamebox_);
  auto* row = new QHBoxLayout(gamebox_);
  row->addWidget(gamelabel_, 1);
  for (int day = 1; day <= 7; ++day) {
    auto* option = new QRadioButton(DayCaptions[static_cast<std::size_t>(day)], gamebox_);
    option->setObjectName(QStringLiteral("Option1_%1").arg(day));
    days->addButton(option, day);
    Option1_[static_cast<std::size_t>(day)] = option;
    row->addWidget(option);
  }
  Option1_[1]->setChecked(true);
  auto* Reversebutton =
      qt::MakeButton(gamebox_, "Reversebutton", "Reverse", "Swap home/away order");
  row->addSpacing(qt::TwipsToPixelsX(240));
  row->addWidget(Reversebutton);
  connect(Reversebutton, &QPushButton::clicked, this, [this] { OnReverseTeams(); });
  gamebox_->setEnabled(false);
  return gamebox_;
}

void ScheduleEntryWindow::ShowTeamStates() {
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    const TeamPairPicker::TeamState state = picker_.State(team);
    const int colour = state == TeamPairPicker::TeamState::Picked   ? SelectedColour
                       : state == TeamPairPicker::TeamState::Listed ? ListedColour
                                                                    : FreeColour;
    entry_ui::SetTextColour(Clabel_[static_cast<std::size_t>(team)], colour);
  }
}

void ScheduleEntryWindow::ShowPairing() {
  gamelabel_->setText(
      qt::FromLatin1(PairingText(session_.store, picker_.First(), picker_.Second())));
}

void ScheduleEntryWindow::OnTeamLabelClicked(int team) {
  const int picked_before = picker_.PickedCount();
  picker_.ClickTeam(team);
  ShowTeamStates();
  gamebox_->setEnabled(picker_.PairComplete());
  if (picker_.PairComplete()) {
    ShowPairing();
  } else if (picker_.PickedCount() == 1) {
    gamelabel_->setText(qt::FromLatin1(session_.store.LocationName[picker_.First()] + " at "));
  } else if (picked_before == 1) {
    gamelabel_->clear();
  }
}

void ScheduleEntryWindow::OnReverseTeams() {
  picker_.Reverse();
  ShowPairing();
}

void ScheduleEntryWindow::OnAddGame() {
  if (!gamebox_->isEnabled()) {
    ShowPairingIncomplete(session_.ui);
    return;
  }
  gamebox_->setEnabled(false);
  const int first_team = picker_.First();
  const int second_team = picker_.Second();
  picker_.SetListed(first_team, true);
  picker_.SetListed(second_team, true);
  picker_.DropPicks();
  ShowTeamStates();
  int day = 1;
  for (int option = 1; option <= 7; ++option) {
    if (Option1_[static_cast<std::size_t>(option)]->isChecked()) day = option;
  }
  const ScheduledGame game{static_cast<int16_t>(first_team), static_cast<int16_t>(second_team),
                           static_cast<int16_t>(day)};
  AddListLine(game);
  typed_ = true;
  gamelabel_->clear();
  Option1_[1]->setChecked(true);
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
  gamelabel_->clear();
  gamebox_->setEnabled(false);
  typed_ = false;
  entry_ui::SetTextColour(Text2_, SettledWeekColour);
  return true;
}

void ScheduleEntryWindow::OnLoadWeek() {
  const auto week = EntryWeek(session_, qt::ToLatin1(Text2_->text()));
  if (!week || !ClearList()) return;
  for (const ScheduledGame& game : LoadScheduleWeek(session_, *week)) {
    AddListLine(game);
    for (const int team : {game.first, game.second}) picker_.SetListed(team, true);
  }
  ShowTeamStates();
}

void ScheduleEntryWindow::OnSave() {
  if (SaveScheduleWeek(session_, qt::ToLatin1(Text2_->text()), games_)) {
    entry_ui::SetTextColour(Text2_, SettledWeekColour);
    typed_ = false;
  }
}

void ScheduleEntryWindow::Text2_Change() {
  if (!games_.empty()) entry_ui::SetTextColour(Text2_, ChangedWeekColour);
}

void ScheduleEntryWindow::closeEvent(QCloseEvent* event) {
  if (MayCloseWithTypedChanges(session_.ui, typed_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

ScheduleEntryWindow* OpenScheduleWindow(Session& session, QWidget* main_window) {
  return entry_ui::OpenEntryWindow<ScheduleEntryWindow>(session, main_window);
}

}  // namespace tavrin
