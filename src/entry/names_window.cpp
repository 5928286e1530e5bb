#include "entry/names_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "entry/entry_window_support.h"
#include "entry/names_update.h"
#include "entry/typed_changes.h"
#include "league/season_league.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/twips.h"

namespace tavrin {

namespace {

constexpr int LocationBoxWidthTwips = 1800;
constexpr int TeamNameBoxWidthTwips = 1440;

QLineEdit* NameBox(QWidget* parent, const QString& name, int max_length, int width_twips,
                   const std::string& text) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaxLength(max_length);
  box->setFixedWidth(qt::TwipsToPixelsX(width_twips));
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, Qt::white);
  box->setPalette(palette);
  box->setText(qt::FromLatin1(text));
  return box;
}

}  // namespace

NamesWindow::NamesWindow(Session& session, QWidget* owner) : QDialog(owner), session_(session) {
  setObjectName("Namesform");
  setWindowTitle("Tavrin Names and Locations");

  auto* important = new QLabel("Important!", this);
  QFont bold = important->font();
  bold.setBold(true);
  important->setFont(bold);
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* save_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Action, "savebutton", "Save", "Record Changes",
                          qt::ButtonPicture::Accept);
  QPushButton* help_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Help, "infobutton", "Info",
                          "Help on changing team names", qt::ButtonPicture::Info);
  qt::AddDialogButton(buttons, qt::DialogButton::Close, "donebutton", "Done",
                      "Close Names and Locations", qt::ButtonPicture::Done);
  auto* lower = new QHBoxLayout;
  lower->addWidget(important);
  lower->addWidget(new QLabel("Names are written to disk only when saved.", this));
  lower->addStretch();
  lower->addWidget(buttons);

  auto* conferences = new QHBoxLayout;
  conferences->addWidget(BuildConference(0), 0, Qt::AlignTop);
  conferences->addWidget(BuildConference(1), 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(conferences);
  layout->addLayout(lower);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(save_button, &QPushButton::clicked, this, [this] { OnSave(); });
  connect(help_button, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("team names"); });
  // The window is for typing: it opens in the first team's location.
  location_boxes_[1]->setFocus();
}

QWidget* NamesWindow::BuildConference(int conference) {
  auto* frame = new QGroupBox(entry_ui::ConferenceCaption(conference), this);
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(qt::TwipsToPixelsY(30));
  int row = 0;
  for (const league::Division& division : DivisionsOf(SeasonTeamCount(session_.store))) {
    if (static_cast<int>(division.conference) != conference) continue;
    auto* caption = new QLabel(entry_ui::DivisionCaption(division), frame);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    auto* team_name_heading = new QLabel("Team name", frame);
    grid->addWidget(caption, row, 0);
    grid->addWidget(team_name_heading, row, 1);
    ++row;
    for (int team = division.first_team; team <= division.last_team; ++team) {
      const auto slot = static_cast<std::size_t>(team);
      QLineEdit* location = NameBox(frame, QStringLiteral("Text1_%1").arg(team), MaxLocationLength,
                                    LocationBoxWidthTwips, session_.store.LocationName[slot]);
      QLineEdit* team_name = NameBox(frame, QStringLiteral("Text2_%1").arg(team), MaxTeamNameLength,
                                     TeamNameBoxWidthTwips, session_.store.TeamName[slot]);
      // Each box is known by its column's heading and the team's number.
      location->setAccessibleName(QStringLiteral("Location of team %1").arg(team));
      team_name->setAccessibleName(QStringLiteral("Team name of team %1").arg(team));
      if (team == division.first_team) {
        caption->setBuddy(location);
        team_name_heading->setBuddy(team_name);
      }
      for (QLineEdit* box : {location, team_name}) {
        connect(box, &QLineEdit::textEdited, this, [this, box] {
          typed_ = true;
          RefuseUnstorableText(box);
        });
      }
      location_boxes_[slot] = location;
      team_name_boxes_[slot] = team_name;
      grid->addWidget(location, row, 0);
      grid->addWidget(team_name, row, 1);
      ++row;
    }
  }
  return frame;
}

void NamesWindow::RefuseUnstorableText(QLineEdit* box) {
  const std::string text = qt::ToLatin1(box->text());
  if (NameCanBeStored(text)) return;
  std::string kept;
  for (const char character : text) {
    if (NameCanBeStored(std::string_view(&character, 1))) kept.push_back(character);
  }
  {
    const QSignalBlocker blocker(box);
    box->setText(qt::FromLatin1(kept));
  }
  ShowNameRefused(session_.ui);
}

void NamesWindow::OnSave() {
  std::vector<std::string> locations;
  std::vector<std::string> team_names;
  for (int team = 1; team <= session_.store.TeamCount && IsSeasonTeam(session_.store, team);
       ++team) {
    const auto slot = static_cast<std::size_t>(team);
    locations.push_back(qt::ToLatin1(location_boxes_[slot]->text()));
    team_names.push_back(qt::ToLatin1(team_name_boxes_[slot]->text()));
  }
  if (SaveNames(session_, locations, team_names) == CommandResult::Done) typed_ = false;
}

void NamesWindow::reject() {
  if (MayCloseWithTypedChanges(session_.ui, typed_)) QDialog::reject();
}

NamesWindow* OpenNamesWindow(Session& session, QWidget* main_window) {
  return entry_ui::OpenEntryWindow<NamesWindow>(session, main_window);
}

}  // namespace tavrin
