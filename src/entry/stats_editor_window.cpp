#include "entry/stats_editor_window.h"

#include <fmt/format.h>

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/entry_window_support.h"
#include "entry/stats_editor.h"
#include "entry/typed_changes.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/twips.h"

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

StatsEditorWindow::StatsEditorWindow(Session& session) : session_(session) {
  setObjectName("Statedit");
  setWindowTitle("Tavrin - Statistic Editor");
  session_.store.ClearStatistics();

  auto* Label1 = new QLabel(qt::FromLatin1(fmt::format("Enter the number of week to edit (1 - {})",
                                                       session_.store.WeeksInSeason)),
                            this);
  Label1->setObjectName("Label1");
  Text1_ = new QLineEdit(this);
  Text1_->setObjectName("Text1");
  Text1_->setFixedWidth(qt::TwipsToPixelsX(720));
  auto* Loadbutton = qt::MakeButton(this, "Loadbutton", "Load", "Load statistics by week");
  Savebutton_ = qt::MakeButton(this, "Savebutton", "Save", "save statistic changes",
                               qt::ButtonPicture::Accept);
  Savebutton_->setEnabled(false);

  auto* week_row = new QHBoxLayout;
  week_row->addWidget(Label1);
  week_row->addWidget(Text1_);
  week_row->addWidget(Loadbutton);
  week_row->addWidget(Savebutton_);
  week_row->addStretch();

  auto* team_heading = new QLabel("Team", this);
  Teamlabel_ = new QLabel(this);
  Teamlabel_->setObjectName("Teamlabel");
  Teamlabel_->setMinimumWidth(qt::TwipsToPixelsX(1800));
  Teamlabel_->setFrameShape(QFrame::Panel);
  Teamlabel_->setFrameShadow(QFrame::Sunken);
  auto* Dnbutton = qt::MakeButton(this, "Dnbutton", "Previous team", "");
  auto* Upbutton = qt::MakeButton(this, "Upbutton", "Next Team", "");
  auto* select_caption = new QLabel(" - Select Team - ", this);

  auto* team_row = new QHBoxLayout;
  team_row->addWidget(team_heading);
  team_row->addWidget(Teamlabel_);
  team_row->addSpacing(qt::TwipsToPixelsX(240));
  team_row->addWidget(Dnbutton);
  team_row->addWidget(select_caption);
  team_row->addWidget(Upbutton);
  team_row->addStretch();

  auto* values = new QGridLayout;
  for (int box = 0; box < ValueBoxCount; ++box) {
    const auto slot = static_cast<std::size_t>(box);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Text2_%1").arg(box));
    edit->setFixedWidth(qt::TwipsToPixelsX(ValueBoxWidthTwips));
    Text2_[slot] = edit;
    values->addWidget(new QLabel(StatsFieldLabel(static_cast<StatsField>(box)), this), box, 0);
    values->addWidget(edit, box, 1);
    connect(edit, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  }
  values->setColumnStretch(2, 1);

  auto* notice = new QVBoxLayout;
  notice->addWidget(new QLabel("Please read the Information", this));
  notice->addWidget(new QLabel("before making any changes.", this));
  auto* Infobutton = qt::MakeButton(this, "Infobutton", "Information", "Help on editing statistics",
                                    qt::ButtonPicture::Info);
  auto* Donebutton =
      qt::MakeButton(this, "Donebutton", "Done", "Close statistic editor", qt::ButtonPicture::Done);
  auto* bottom_row = new QHBoxLayout;
  bottom_row->addLayout(notice);
  bottom_row->addStretch();
  bottom_row->addWidget(Infobutton);
  bottom_row->addWidget(Donebutton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(week_row);
  layout->addSpacing(qt::TwipsToPixelsY(120));
  layout->addLayout(team_row);
  layout->addLayout(values);
  layout->addSpacing(qt::TwipsToPixelsY(120));
  layout->addLayout(bottom_row);

  // The team and its figures can be worked on once a block is loaded.
  team_controls_ = {Dnbutton, Upbutton};
  team_controls_.insert(team_controls_.end(), Text2_.begin(), Text2_.end());
  for (QWidget* control : team_controls_) control->setEnabled(false);

  connect(Text1_, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(Text1_, &QLineEdit::returnPressed, this, [this] { OnLoadWeek(); });
  connect(Loadbutton, &QPushButton::clicked, this, [this] { OnLoadWeek(); });
  connect(Savebutton_, &QPushButton::clicked, this, [this] { OnSave(); });
  connect(Upbutton, &QPushButton::clicked, this, [this] { StepTeam(1); });
  connect(Dnbutton, &QPushButton::clicked, this, [this] { StepTeam(-1); });
  connect(Infobutton, &QPushButton::clicked, this, [this] { OnHelp(); });
  connect(Donebutton, &QPushButton::clicked, this, &QWidget::close);
}

void StatsEditorWindow::Text1_Change() {
  loaded_week_.reset();
  Savebutton_->setEnabled(false);
}

void StatsEditorWindow::OnLoadWeek() {
  const auto week = EditorWeek(session_, qt::ToLatin1(Text1_->text()));
  if (!week) return;
  // A block that could not be read must not be written back.
  Savebutton_->setEnabled(false);
  if (!LoadEditorBlock(session_, *week)) return;
  loaded_week_ = week;
  typed_ = false;
  team_ = 1;
  for (QWidget* control : team_controls_) control->setEnabled(true);
  ShowTeam();
  Savebutton_->setEnabled(true);
}

void StatsEditorWindow::OnSave() {
  if (loaded_week_ && StoreTeamBoxes() && SaveEditorBlock(session_, *loaded_week_)) typed_ = false;
}

void StatsEditorWindow::StepTeam(int step) {
  const int team = team_ + step;
  if (team > session_.store.TeamCount || !IsTeamNumber(team) || !StoreTeamBoxes()) return;
  team_ = team;
  ShowTeam();
}

void StatsEditorWindow::ShowTeam() {
  const std::string& location = session_.store.LocationName[static_cast<std::size_t>(team_)];
  Teamlabel_->setText(location.empty() ? QStringLiteral("Reserved") : qt::FromLatin1(location));
  for (int box = 0; box < ValueBoxCount; ++box) {
    Text2_[static_cast<std::size_t>(box)]->setText(
        qt::FromLatin1(EditorValueText(session_.store, team_, static_cast<StatsField>(box))));
  }
}

bool StatsEditorWindow::StoreTeamBoxes() {
  if (!loaded_week_) return true;  // nothing loaded: the boxes hold no team's figures
  for (int box = 0; box < ValueBoxCount; ++box) {
    QLineEdit* edit = Text2_[static_cast<std::size_t>(box)];
    if (!StoreEditedValue(session_, team_, static_cast<StatsField>(box),
                          qt::ToLatin1(edit->text()))) {
      edit->setFocus();
      edit->selectAll();
      return false;
    }
  }
  return true;
}

void StatsEditorWindow::closeEvent(QCloseEvent* event) {
  if (MayCloseWithTypedChanges(session_.ui, typed_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void StatsEditorWindow::OnHelp() {
  session_.ui.ShowMessage(InformationText, "Tavrin Information", MessageIcon::Information);
}

StatsEditorWindow* OpenStatsEditorWindow(Session& session, QWidget* main_window) {
  return entry_ui::OpenEntryWindow<StatsEditorWindow>(session, main_window);
}

}  // namespace tavrin
