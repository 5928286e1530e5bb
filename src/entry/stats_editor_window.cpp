#include "entry/stats_editor_window.h"

#include <fmt/format.h>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/entry_window_support.h"
#include "entry/stats_editor.h"
#include "entry/typed_changes.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/push_button.h"
#include "platform/qt/twips.h"
#include "season/season_store.h"

namespace tavrin {

namespace {

// Each line break of this message is a carriage return and a line feed.
const char* const InformationText =
    "Use Caution when changing program statistics.\r\n"
    "Load week 0 to change stats before week #1.\r\n"
    "A weeks information must be loaded before any\r\n"
    "changes can be saved.  Changing the week\r\n"
    "number will disable SAVE until a Load occurs.\r\n"
    "\r\n"
    "If you decide to alter a team rating due\r\n"
    "to a key injury or player deal, adjust the CQR\r\n"
    "before entering the scores for that week.  This\r\n"
    "will allow the new ratings to be used when the\r\n"
    "predictions are made for the next week. \r\n"
    "Note: Predictions for the next week are calculated\r\n"
    "when the scores are recorded.\r\n"
    "If you need to correct a score for the last\r\n"
    "week, it is best to simply reenter scores\r\n"
    "instead of editing the statistics here.";

constexpr int ValueBoxWidthTwips = 1200;

}  // namespace

StatsEditorWindow::StatsEditorWindow(Session& session, QWidget* owner)
    : QDialog(owner), session_(session) {
  setObjectName("Statedit");
  setWindowTitle("Tavrin - Statistic Editor");
  session_.store.ClearStatistics();

  auto* week_label =
      new QLabel(qt::FromLatin1(fmt::format("Enter the number of &week to edit (1 - {})",
                                            session_.store.WeeksInSeason)),
                 this);
  week_label->setObjectName("Label1");
  week_box_ = new QLineEdit(this);
  week_box_->setObjectName("Text1");
  week_box_->setFixedWidth(qt::TwipsToPixelsX(720));
  week_label->setBuddy(week_box_);
  auto* load_button = qt::MakeButton(this, "Loadbutton", "Load", "Load statistics by week");
  save_button_ = qt::MakeButton(this, "Savebutton", "Save", "save statistic changes",
                                qt::ButtonPicture::Accept);
  save_button_->setEnabled(false);

  auto* week_row = new QHBoxLayout;
  week_row->addWidget(week_label);
  week_row->addWidget(week_box_);
  week_row->addWidget(load_button);
  week_row->addWidget(save_button_);
  week_row->addStretch();

  auto* team_heading = new QLabel("Team", this);
  team_label_ = new QLabel(this);
  team_label_->setObjectName("Teamlabel");
  team_label_->setMinimumWidth(qt::TwipsToPixelsX(1800));
  team_label_->setFrameShape(QFrame::Panel);
  team_label_->setFrameShadow(QFrame::Sunken);
  auto* previous_button = qt::MakeButton(this, "Dnbutton", "Previous team", "");
  auto* next_button = qt::MakeButton(this, "Upbutton", "Next Team", "");
  auto* select_caption = new QLabel(" - Select Team - ", this);

  auto* team_row = new QHBoxLayout;
  team_row->addWidget(team_heading);
  team_row->addWidget(team_label_);
  team_row->addSpacing(qt::TwipsToPixelsX(240));
  team_row->addWidget(previous_button);
  team_row->addWidget(select_caption);
  team_row->addWidget(next_button);
  team_row->addStretch();

  auto* values = new QGridLayout;
  for (int box = 0; box < ValueBoxCount; ++box) {
    const auto slot = static_cast<std::size_t>(box);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Text2_%1").arg(box));
    edit->setFixedWidth(qt::TwipsToPixelsX(ValueBoxWidthTwips));
    value_boxes_[slot] = edit;
    auto* value_label = new QLabel(StatsFieldLabel(static_cast<StatsField>(box)), this);
    value_label->setBuddy(edit);
    values->addWidget(value_label, box, 0);
    values->addWidget(edit, box, 1);
    connect(edit, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  }
  values->setColumnStretch(2, 1);

  auto* notice = new QVBoxLayout;
  notice->addWidget(new QLabel("Please read the Information", this));
  notice->addWidget(new QLabel("before making any changes.", this));
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* help_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Help, "Infobutton", "Information",
                          "Help on editing statistics", qt::ButtonPicture::Info);
  qt::AddDialogButton(buttons, qt::DialogButton::Close, "Donebutton", "Done",
                      "Close statistic editor", qt::ButtonPicture::Done);
  auto* bottom_row = new QHBoxLayout;
  bottom_row->addLayout(notice);
  bottom_row->addStretch();
  bottom_row->addWidget(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(week_row);
  layout->addSpacing(qt::TwipsToPixelsY(120));
  layout->addLayout(team_row);
  layout->addLayout(values);
  layout->addSpacing(qt::TwipsToPixelsY(120));
  layout->addLayout(bottom_row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // Enter in the week box loads the week and nothing else: a default button would save or
  // reload over figures typed in the other boxes.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

  // The team and its figures can be worked on once a block is loaded.
  team_controls_ = {previous_button, next_button};
  team_controls_.insert(team_controls_.end(), value_boxes_.begin(), value_boxes_.end());
  for (QWidget* control : team_controls_) control->setEnabled(false);

  connect(week_box_, &QLineEdit::textChanged, this, [this] { OnWeekEdited(); });
  connect(week_box_, &QLineEdit::returnPressed, this, [this] { OnLoadWeek(); });
  connect(load_button, &QPushButton::clicked, this, [this] { OnLoadWeek(); });
  connect(save_button_, &QPushButton::clicked, this, [this] { OnSave(); });
  connect(next_button, &QPushButton::clicked, this, [this] { StepTeam(1); });
  connect(previous_button, &QPushButton::clicked, this, [this] { StepTeam(-1); });
  connect(help_button, &QPushButton::clicked, this, [this] { OnHelp(); });
}

void StatsEditorWindow::OnWeekEdited() {
  loaded_week_.reset();
  save_button_->setEnabled(false);
}

void StatsEditorWindow::OnLoadWeek() {
  const auto week = EditorWeek(session_, qt::ToLatin1(week_box_->text()));
  if (!week) {
    // The refused week is the one to correct.
    week_box_->setFocus();
    week_box_->selectAll();
    return;
  }
  // Loading over figures typed and not saved drops them only when the user agrees.
  if (!MayCloseWithTypedChanges(session_.ui, typed_)) return;
  // A block that could not be read must not be written back.
  save_button_->setEnabled(false);
  if (!LoadEditorBlock(session_, *week)) return;
  loaded_week_ = week;
  typed_ = false;
  team_ = 1;
  for (QWidget* control : team_controls_) control->setEnabled(true);
  ShowTeam();
  save_button_->setEnabled(true);
}

void StatsEditorWindow::OnSave() {
  if (loaded_week_ && StoreTeamBoxes() && SaveEditorBlock(session_, *loaded_week_)) typed_ = false;
}

void StatsEditorWindow::StepTeam(int step) {
  const int team = team_ + step;
  if (team > session_.store.TeamCount || !IsSeasonTeam(session_.store, team) || !StoreTeamBoxes()) {
    return;
  }
  team_ = team;
  ShowTeam();
}

void StatsEditorWindow::ShowTeam() {
  const std::string& location = session_.store.LocationName[static_cast<std::size_t>(team_)];
  team_label_->setText(location.empty() ? QStringLiteral("Reserved") : qt::FromLatin1(location));
  for (int box = 0; box < ValueBoxCount; ++box) {
    value_boxes_[static_cast<std::size_t>(box)]->setText(
        qt::FromLatin1(EditorValueText(session_.store, team_, static_cast<StatsField>(box))));
  }
}

bool StatsEditorWindow::StoreTeamBoxes() {
  if (!loaded_week_) return true;  // nothing loaded: the boxes hold no team's figures
  for (int box = 0; box < ValueBoxCount; ++box) {
    QLineEdit* edit = value_boxes_[static_cast<std::size_t>(box)];
    if (!StoreEditedValue(session_, team_, static_cast<StatsField>(box),
                          qt::ToLatin1(edit->text()))) {
      edit->setFocus();
      edit->selectAll();
      return false;
    }
  }
  return true;
}

void StatsEditorWindow::reject() {
  if (MayCloseWithTypedChanges(session_.ui, typed_)) QDialog::reject();
}

void StatsEditorWindow::OnHelp() {
  session_.ui.ShowMessage(InformationText, "Tavrin Information", MessageIcon::Information);
}

StatsEditorWindow* OpenStatsEditorWindow(Session& session, QWidget* main_window) {
  return entry_ui::OpenEntryWindow<StatsEditorWindow>(session, main_window);
}

}  // namespace tavrin
