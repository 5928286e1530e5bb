#include "analysis/specials_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "analysis/single_game.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"
#include "platform/qt/push_button.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_list_view.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"
#include "season/league.h"

namespace tavrin {
namespace {

constexpr std::array<const char*, 2> FrameNames = {"Frame1", "Frame2"};

constexpr double FrameWidth = 4620;
constexpr double ColumnWidth = 1500;
constexpr double LabelHeight = 270;
constexpr double ListTop = 3540;

void SetLabelColour(QLabel* label, int palette_colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, qt::PaletteColour(palette_colour));
  palette.setColor(QPalette::Window, qt::PaletteColour(15));
  label->setPalette(palette);
}

QPushButton* CaptionButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& tooltip, const QRect& geometry) {
  QPushButton* button = qt::MakeButton(parent, name, caption, tooltip);
  button->setGeometry(geometry);
  return button;
}

}  // namespace

SpecialsWindow::SpecialsWindow(Session& session) : session_(session), model_(session.store) {
  setObjectName("Specials");
  setWindowTitle("Play-Off and Single Game Predictions");
  // The list shows a whole prediction line; the buttons stand in a column to its right.
  const double list_width = std::max(4875.0, ReportListWidthFor(SingleGameLineLength));
  const double column = 120 + list_width + 180;
  setFixedSize(qt::TwipsSize(std::max(9705.0, column + 2700), 6960));
  BuildTeamFrames();

  gamebox_ = new QFrame(this);
  gamebox_->setObjectName("gamebox");
  gamebox_->setFrameShape(QFrame::Panel);
  gamebox_->setFrameShadow(QFrame::Sunken);
  const double gamebox_width = list_width - 2160;
  gamebox_->setGeometry(qt::TwipsRect(120, 2880, gamebox_width, 480));
  gamelabel_ = new QLabel(gamebox_);
  gamelabel_->setObjectName("gamelabel");
  gamelabel_->setGeometry(qt::TwipsRect(120, 90, gamebox_width - 1680, 300));
  auto* reversebutton = CaptionButton(gamebox_, "reversebutton", "Reverse", "",
                                      qt::TwipsRect(gamebox_width - 1440, 60, 1320, 360));
  neutralcheck_ = new QCheckBox("Neutral Site Game", this);
  neutralcheck_->setObjectName("neutralcheck");
  neutralcheck_->setGeometry(qt::TwipsRect(column - 1980, 2940, 3240, 360));
  auto* predictbutton = CaptionButton(this, "predictbutton", "Predict", "Make game prediction",
                                      qt::TwipsRect(column + 1380, 2880, 1200, 480));

  prediction_list_ = new ReportListView(this, {120, ListTop, list_width, 2760, ListTop + 2790, 255},
                                        ReportListView::Selection::Allowed);
  auto* Removebutton = CaptionButton(this, "Removebutton", "Remove", "Remove selected line",
                                     qt::TwipsRect(column, ListTop, 1200, 420));
  auto* clearbutton = CaptionButton(this, "clearbutton", "Clear", "Clear prediction list",
                                    qt::TwipsRect(column, ListTop + 540, 1200, 420));
  auto* infobutton = CaptionButton(this, "infobutton", "Info", "",
                                   qt::TwipsRect(column + 1380, ListTop, 1200, 420));
  auto* Printbutton = MakePictureButton(this, "Printbutton", qt::ButtonPicture::Print,
                                        "Send list to printer", column, ListTop + 2340);
  donebutton_ = MakePictureButton(this, "donebutton", qt::ButtonPicture::Done,
                                  "Close Prediction window", column + 1980, ListTop + 2340);
  auto* label8 = new QLabel(qt::FromLatin1(model_.YearLabel()), this);
  label8->setObjectName("label8");
  label8->setGeometry(qt::TwipsRect(column, ListTop + 1260, 2580, 300));

  connect(reversebutton, &QPushButton::clicked, this, [this] {
    model_.Reverse();
    RefreshPicks();
  });
  connect(predictbutton, &QPushButton::clicked, this, &SpecialsWindow::OnPredict);
  connect(Removebutton, &QPushButton::clicked, this, &SpecialsWindow::OnRemoveGame);
  connect(clearbutton, &QPushButton::clicked, this, [this] {
    model_.Clear(session_.ui);
    RefreshPicks();
    RefreshList();
  });
  connect(Printbutton, &QPushButton::clicked, this, [this] {
    PrintAsJob(session_, "Tavrin Single Game Predictions", [this] { model_.Print(session_); });
  });
  connect(infobutton, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Single Game Predictions"); });
  connect(donebutton_, &QPushButton::clicked, this, &QWidget::close);
  RefreshPicks();
  RefreshList();
  ArrangeClosingButtons(this);
}

void SpecialsWindow::BuildTeamFrames() {
  std::array<QGroupBox*, 2> frames{};
  for (std::size_t conference = 0; conference < frames.size(); ++conference) {
    const std::string_view name = league::ConferenceNames[conference];
    frames[conference] = new QGroupBox(qt::FromLatin1(name) + " Conference", this);
    frames[conference]->setObjectName(FrameNames[conference]);
    frames[conference]->setGeometry(qt::TwipsRect(
        120 + (FrameWidth + 120) * static_cast<double>(conference), 120, FrameWidth, 2640));
  }
  for (std::size_t index = 0; index < league::Divisions.size(); ++index) {
    const league::Division& division = league::Divisions[index];
    QGroupBox* frame = frames[static_cast<std::size_t>(division.conference)];
    const double left = 90 + ColumnWidth * static_cast<double>(index % 3);
    auto* heading = new QLabel(qt::FromLatin1(division.name).toUpper(), frame);
    heading->setGeometry(qt::TwipsRect(left, 300, ColumnWidth - 90, LabelHeight));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    for (int team = division.first_team; team <= division.last_team; ++team) {
      auto* label = new QLabel(qt::FromLatin1(session_.store.LocationName[team]), frame);
      label->setObjectName(QString("Clabel_%1").arg(team));
      label->setAutoFillBackground(true);
      label->setCursor(Qt::PointingHandCursor);
      // Tab reaches every team, and Space or Enter picks it, as a click does.
      label->setFocusPolicy(Qt::StrongFocus);
      label->setGeometry(qt::TwipsRect(left,
                                       330 + (LabelHeight + 60) * (team - division.first_team + 1),
                                       ColumnWidth - 90, LabelHeight));
      label->installEventFilter(this);
      Clabel_[static_cast<std::size_t>(team)] = label;
    }
  }
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
    for (int team = 1; team <= LeagueTeamCount; ++team) {
      if (watched == Clabel_[static_cast<std::size_t>(team)]) {
        OnTeamLabelClicked(team);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SpecialsWindow::OnTeamLabelClicked(int team) {
  model_.ClickTeam(team);
  RefreshPicks();
}

void SpecialsWindow::OnPredict() {
  if (!model_.Predict(session_.ui, neutralcheck_->isChecked())) return;
  neutralcheck_->setChecked(false);
  RefreshPicks();
  RefreshList();
}

void SpecialsWindow::OnRemoveGame() {
  const QListWidgetItem* selected = prediction_list_->list()->currentItem();
  const bool has_selection = selected != nullptr && selected->isSelected();
  model_.Remove(has_selection ? prediction_list_->list()->row(selected) : -1);
  RefreshList();
}

void SpecialsWindow::RefreshPicks() {
  for (int team = 1; team <= LeagueTeamCount; ++team) {
    SetLabelColour(Clabel_[static_cast<std::size_t>(team)],
                   model_.IsPicked(team) ? PickedColour : UnpickedColour);
  }
  gamebox_->setEnabled(model_.GameBoxEnabled());
  gamelabel_->setText(qt::FromLatin1(model_.GameLabel()));
}

void SpecialsWindow::RefreshList() { prediction_list_->SetLines(model_.Lines()); }

QWidget* OpenSpecialsWindow(Session& session, QWidget* main_window) {
  if (!LoadSpecialsRatings(session)) return nullptr;
  auto* window = new SpecialsWindow(session);
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
