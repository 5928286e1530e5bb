#include "analysis/specials_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/single_game.h"
#include "league/season_league.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"
#include "platform/qt/push_button.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr std::array<const char*, 2> FrameNames = {"Frame1", "Frame2"};
constexpr int ShownLines = 10;
constexpr int PairingColumns = 30;

void SetLabelColour(QLabel* label, int palette_colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, qt::PaletteColour(palette_colour));
  palette.setColor(QPalette::Window, qt::PaletteColour(15));
  label->setPalette(palette);
}

}  // namespace

SpecialsWindow::SpecialsWindow(Session& session, QWidget* owner)
    : QDialog(owner), session_(session), model_(session.store) {
  setObjectName("Specials");
  setWindowTitle("Play-Off and Single Game Predictions");
  setSizeGripEnabled(true);

  prediction_list_ = new ReportListView(this, SingleGameLineLength, ShownLines,
                                        ReportListView::Selection::Allowed);
  auto* remove_button = qt::MakeButton(this, "Removebutton", "Remove", "Remove selected line");
  auto* clear_button = qt::MakeButton(this, "clearbutton", "Clear", "Clear prediction list");
  auto* year_label = new QLabel(qt::FromLatin1(model_.YearLabel()), this);
  year_label->setObjectName("label8");
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* help_button = qt::AddDialogButton(buttons, qt::DialogButton::Help, "infobutton",
                                                 "Info", "Help on single game predictions");
  QPushButton* print_button =
      AddViewButton(buttons, "Printbutton", qt::ButtonPicture::Print, "Send list to printer");
  AddViewButton(buttons, "donebutton", qt::ButtonPicture::Done, "Close Prediction window");

  auto* list_buttons = new QVBoxLayout;
  list_buttons->addWidget(remove_button);
  list_buttons->addWidget(clear_button);
  list_buttons->addWidget(year_label);
  list_buttons->addStretch();
  auto* list_row = new QHBoxLayout;
  list_row->addWidget(prediction_list_, 1);
  list_row->addLayout(list_buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildTeamFrames());
  layout->addLayout(BuildGameRow());
  layout->addLayout(list_row, 1);
  layout->addWidget(buttons);

  connect(remove_button, &QPushButton::clicked, this, &SpecialsWindow::OnRemoveGame);
  connect(clear_button, &QPushButton::clicked, this, [this] {
    model_.Clear(session_.ui);
    RefreshPicks();
    RefreshList();
  });
  connect(print_button, &QPushButton::clicked, this, [this] {
    PrintAsJob(session_, "Tavrin Single Game Predictions", [this] { model_.Print(session_); });
  });
  connect(help_button, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Single Game Predictions"); });
  RefreshPicks();
  RefreshList();
}

QHBoxLayout* SpecialsWindow::BuildTeamFrames() {
  std::array<QGridLayout*, 2> columns{};
  auto* frames = new QHBoxLayout;
  for (std::size_t conference = 0; conference < columns.size(); ++conference) {
    const std::string_view name = league::ConferenceNames[conference];
    auto* frame = new QGroupBox(qt::FromLatin1(name) + " Conference", this);
    frame->setObjectName(FrameNames[conference]);
    columns[conference] = new QGridLayout(frame);
    frames->addWidget(frame);
  }
  const auto divisions = DivisionsOf(SeasonTeamCount(session_.store));
  // Each conference holds half the divisions, side by side.
  const std::size_t conference_divisions = divisions.size() / columns.size();
  for (std::size_t index = 0; index < divisions.size(); ++index) {
    const league::Division& division = divisions[index];
    QGridLayout* grid = columns[static_cast<std::size_t>(division.conference)];
    auto* frame = grid->parentWidget();
    const int column = static_cast<int>(index % conference_divisions);
    auto* heading = new QLabel(qt::FromLatin1(division.name).toUpper(), frame);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, column);
    for (int team = division.first_team; team <= division.last_team; ++team) {
      auto* label = new QLabel(qt::FromLatin1(session_.store.LocationName[team]), frame);
      label->setObjectName(QString("Clabel_%1").arg(team));
      label->setAutoFillBackground(true);
      label->setCursor(Qt::PointingHandCursor);
      // Tab reaches every team, and Space or Enter picks it, as a click does.
      label->setFocusPolicy(Qt::StrongFocus);
      // Room for the frame that marks the team with the focus.
      label->setMargin(2);
      label->installEventFilter(this);
      grid->addWidget(label, 1 + team - division.first_team, column);
      team_labels_[static_cast<std::size_t>(team)] = label;
    }
  }
  for (QGridLayout* grid : columns) grid->setRowStretch(grid->rowCount(), 1);
  return frames;
}

QHBoxLayout* SpecialsWindow::BuildGameRow() {
  game_box_ = new QFrame(this);
  game_box_->setObjectName("gamebox");
  game_box_->setFrameShape(QFrame::Panel);
  game_box_->setFrameShadow(QFrame::Sunken);
  game_label_ = new QLabel(game_box_);
  game_label_->setObjectName("gamelabel");
  // Room for two locations and " at " between them.
  game_label_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(PairingColumns, 'n')));
  auto* reverse_button = qt::MakeButton(game_box_, "reversebutton", "Reverse", "");
  auto* game_layout = new QHBoxLayout(game_box_);
  game_layout->addWidget(game_label_, 1);
  game_layout->addWidget(reverse_button);
  neutral_check_ = new QCheckBox("Neutral Site Game", this);
  neutral_check_->setObjectName("neutralcheck");
  auto* predict_button = qt::MakeButton(this, "predictbutton", "Predict", "Make game prediction");
  // Enter predicts the pairing picked.
  predict_button->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addWidget(game_box_, 1);
  row->addWidget(neutral_check_);
  row->addWidget(predict_button);

  connect(reverse_button, &QPushButton::clicked, this, [this] {
    model_.Reverse();
    RefreshPicks();
  });
  connect(predict_button, &QPushButton::clicked, this, &SpecialsWindow::OnPredict);
  return row;
}

bool SpecialsWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto picks = [event] {
    if (event->type() == QEvent::MouseButtonPress) return true;
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
  };
  // A team with the focus is framed, so the keyboard user sees where Space would pick.
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    if (auto* label = qobject_cast<QLabel*>(watched)) {
      label->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box : QFrame::NoFrame);
    }
  }
  if (picks()) {
    for (int team = 1; team <= SeasonTeamCount(session_.store); ++team) {
      if (watched == team_labels_[static_cast<std::size_t>(team)]) {
        OnTeamLabelClicked(team);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SpecialsWindow::OnTeamLabelClicked(int team) {
  model_.ClickTeam(team);
  RefreshPicks();
}

void SpecialsWindow::OnPredict() {
  if (!model_.Predict(session_.ui, neutral_check_->isChecked())) return;
  neutral_check_->setChecked(false);
  RefreshPicks();
  RefreshList();
}

void SpecialsWindow::OnRemoveGame() {
  const QListWidgetItem* selected = prediction_list_->currentItem();
  const bool has_selection = selected != nullptr && selected->isSelected();
  model_.Remove(has_selection ? prediction_list_->row(selected) : -1);
  RefreshList();
}

void SpecialsWindow::RefreshPicks() {
  for (int team = 1; team <= SeasonTeamCount(session_.store); ++team) {
    SetLabelColour(team_labels_[static_cast<std::size_t>(team)],
                   model_.IsPicked(team) ? PickedColour : UnpickedColour);
  }
  game_box_->setEnabled(model_.GameBoxEnabled());
  game_label_->setText(qt::FromLatin1(model_.GameLabel()));
}

void SpecialsWindow::RefreshList() { prediction_list_->SetLines(model_.Lines()); }

QDialog* OpenSpecialsWindow(Session& session, QWidget* main_window) {
  if (!LoadSpecialsRatings(session)) return nullptr;
  auto* window = new SpecialsWindow(session, main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
