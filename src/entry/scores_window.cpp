#include "entry/scores_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/results_processing.h"
#include "entry/entry_window_support.h"
#include "entry/typed_changes.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/pictures.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"

namespace tavrin {

namespace {

constexpr int ScoreBoxWidthTwips = 720;
constexpr int LocationWidthTwips = 1800;
constexpr int ScoresButton = 1;  // the toolbar's enter scores picture

QString RowName(const char* control, int game) {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(control)).arg(game);
}

// Hidden rows keep their place, so the window has the same size whatever the week.
template <typename Widget>
Widget* RowWidget(Widget* widget, const char* control, int game) {
  widget->setObjectName(RowName(control, game));
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  widget->setVisible(false);
  widget->setEnabled(false);
  return widget;
}

bool IsEnterKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ScoreEntryWindow::ScoreEntryWindow(Session& session, int week) : session_(session), week_(week) {
  setObjectName("Scores");
  setWindowTitle(QStringLiteral("    Enter the Results for Week # %1").arg(week));

  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(qt::TwipsToPixelsX(120));
  // The first team of a row is the visitor, the second plays at home.
  for (const auto& [column, caption] : {std::pair{2, "Visitors"}, std::pair{3, "Home"}}) {
    auto* heading = new QLabel(caption, this);
    heading->setAlignment(Qt::AlignCenter);
    rows->addWidget(heading, 0, column);
  }
  for (int game = 1; game <= MaxScoredGames; ++game) {
    const auto slot = static_cast<std::size_t>(game - 1);
    TLabel_[slot] = RowWidget(new QLabel(this), "TLabel", game);
    STLabel_[slot] = RowWidget(new QLabel(this), "STLabel", game);
    first_score_boxes_[slot] = RowWidget(new QLineEdit(this), "FTTEXT", game);
    second_score_boxes_[slot] = RowWidget(new QLineEdit(this), "STTEXT", game);
    TLabel_[slot]->setMinimumWidth(qt::TwipsToPixelsX(LocationWidthTwips));
    STLabel_[slot]->setMinimumWidth(qt::TwipsToPixelsX(LocationWidthTwips));
    for (QLineEdit* box : {first_score_boxes_[slot], second_score_boxes_[slot]}) {
      box->setFixedWidth(qt::TwipsToPixelsX(ScoreBoxWidthTwips));
      box->setAlignment(Qt::AlignRight);
      box->installEventFilter(this);
      connect(box, &QLineEdit::textEdited, this, [this] { typed_ = true; });
    }
    rows->addWidget(TLabel_[slot], game, 0);
    rows->addWidget(STLabel_[slot], game, 1);
    rows->addWidget(first_score_boxes_[slot], game, 2);
    rows->addWidget(second_score_boxes_[slot], game, 3);
  }

  Image1_ = new QLabel(this);
  Image1_->setObjectName("Image1");
  Image1_->setPixmap(qt::ToolbarPicture(ScoresButton, false));
  Image1_->setAlignment(Qt::AlignCenter);
  Image1_->setVisible(false);
  QSizePolicy image_policy = Image1_->sizePolicy();
  image_policy.setRetainSizeWhenHidden(true);
  Image1_->setSizePolicy(image_policy);
  resultsbutton_ = qt::MakeButton(this, "resultsbutton", "Process", "Save scores to file",
                                  qt::ButtonPicture::Accept);
  cancelbutton_ = qt::MakeButton(this, "cancelbutton", "Cancel", "Cancel Score Entry");
  donebutton_ =
      qt::MakeButton(this, "donebutton", "Done", "Close score entry", qt::ButtonPicture::Done);
  infobutton_ = qt::MakeButton(this, "infobutton", "Info", "Help on Entering Scores",
                               qt::ButtonPicture::Info);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(Image1_);
  buttons->addSpacing(qt::TwipsToPixelsY(240));
  for (QPushButton* button : {resultsbutton_, cancelbutton_, donebutton_, infobutton_}) {
    buttons->addWidget(button);
  }
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(rows);
  layout->addSpacing(qt::TwipsToPixelsX(240));
  layout->addLayout(buttons);

  failed_opening_timer_.setInterval(FailedOpeningMilliseconds);
  failed_opening_timer_.setSingleShot(true);
  connect(&failed_opening_timer_, &QTimer::timeout, this, &QWidget::close);
  connect(resultsbutton_, &QPushButton::clicked, this, [this] { OnProcessResults(); });
  // Cancel drops the scores not yet processed, exactly as Done does.
  connect(cancelbutton_, &QPushButton::clicked, this, &QWidget::close);
  connect(donebutton_, &QPushButton::clicked, this, &QWidget::close);
  connect(infobutton_, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Score Entry"); });

  if (session_.store.ColourDepthFlag == FullColourDepth) Image1_->setVisible(true);
}

void ScoreEntryWindow::LoadWeek() {
  if (!LoadScoreEntryWeek(session_, week_)) {
    EnableProcessing(false);  // no rows to process; the window closes by itself
    failed_opening_timer_.start();
    return;
  }
  const SeasonStore& store = session_.store;
  games_ = store.WeekGameCount;
  for (int game = 1; game <= games_; ++game) {
    const auto slot = static_cast<std::size_t>(game - 1);
    const int first = store.GameFirstTeam[game];
    const int second = store.GameSecondTeam[game];
    TLabel_[slot]->setText(IsTeamNumber(first) ? qt::FromLatin1(store.LocationName[first])
                                               : QString());
    STLabel_[slot]->setText(
        "at " + (IsTeamNumber(second) ? qt::FromLatin1(store.LocationName[second]) : QString()));
    for (QWidget* widget :
         {static_cast<QWidget*>(TLabel_[slot]), static_cast<QWidget*>(STLabel_[slot]),
          static_cast<QWidget*>(first_score_boxes_[slot]),
          static_cast<QWidget*>(second_score_boxes_[slot])}) {
      widget->setVisible(true);
      widget->setEnabled(true);
    }
  }
  if (games_ > 0) first_score_boxes_[0]->setFocus();
}

bool ScoreEntryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!IsEnterKey(event)) return QWidget::eventFilter(watched, event);
  for (int game = 1; game <= games_; ++game) {
    const auto slot = static_cast<std::size_t>(game - 1);
    if (watched == first_score_boxes_[slot]) {
      second_score_boxes_[slot]->setFocus();
      return true;
    }
    if (watched == second_score_boxes_[slot] && game < games_) {
      first_score_boxes_[slot + 1]->setFocus();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);  // the last row's second box keeps its Enter
}

void ScoreEntryWindow::EnableProcessing(bool enabled) {
  resultsbutton_->setEnabled(enabled);
  cancelbutton_->setEnabled(enabled);
}

void ScoreEntryWindow::OnProcessResults() {
  EnableProcessing(false);
  std::vector<ScoreTexts> scores;
  for (int game = 1; game <= games_; ++game) {
    const auto slot = static_cast<std::size_t>(game - 1);
    scores.push_back({qt::ToLatin1(first_score_boxes_[slot]->text()),
                      qt::ToLatin1(second_score_boxes_[slot]->text())});
  }
  // Only a week that could not start may be tried again: after a run that failed to save, the
  // store no longer holds the week's opening figures, so closing loses nothing processable.
  const CommandResult result = EnterScores(session_, week_, scores);
  if (result == CommandResult::Done || result == CommandResult::NotSaved) {
    typed_ = false;
    if (result == CommandResult::Done && week_saved_) week_saved_(week_);
    return;
  }
  EnableProcessing(true);
  if (const auto refused = FirstRefusedScore(scores, games_)) {
    const auto slot = static_cast<std::size_t>(refused->game - 1);
    QLineEdit* box = refused->second ? second_score_boxes_[slot] : first_score_boxes_[slot];
    box->setFocus();
    box->selectAll();
  }
}

void ScoreEntryWindow::closeEvent(QCloseEvent* event) {
  if (MayCloseWithTypedChanges(session_.ui, typed_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

ScoreEntryWindow* OpenScoresWindow(Session& session, int week, QWidget* main_window) {
  if (!CheckScoreEntryBlock(session, week)) return nullptr;
  auto* window = new ScoreEntryWindow(session, week);
  qt::ShowSecondaryWindow(window, main_window);
  window->LoadWeek();
  return window;
}

}  // namespace tavrin
