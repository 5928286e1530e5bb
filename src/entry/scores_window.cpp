#include "entry/scores_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/results_processing.h"
#include "entry/entry_window_support.h"
#include "entry/typed_changes.h"
#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/pictures.h"
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

ScoreEntryWindow::ScoreEntryWindow(Session& session, int week, QWidget* owner)
    : QDialog(owner), session_(session), week_(week), rows_(ScoreEntryRows(session.store)) {
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
  for (int game = 1; game <= rows_; ++game) {
    const auto slot = static_cast<std::size_t>(game - 1);
    visitor_labels_[slot] = RowWidget(new QLabel(this), "TLabel", game);
    home_labels_[slot] = RowWidget(new QLabel(this), "STLabel", game);
    first_score_boxes_[slot] = RowWidget(new QLineEdit(this), "FTTEXT", game);
    second_score_boxes_[slot] = RowWidget(new QLineEdit(this), "STTEXT", game);
    visitor_labels_[slot]->setMinimumWidth(qt::TwipsToPixelsX(LocationWidthTwips));
    home_labels_[slot]->setMinimumWidth(qt::TwipsToPixelsX(LocationWidthTwips));
    visitor_labels_[slot]->setBuddy(first_score_boxes_[slot]);
    home_labels_[slot]->setBuddy(second_score_boxes_[slot]);
    for (QLineEdit* box : {first_score_boxes_[slot], second_score_boxes_[slot]}) {
      box->setFixedWidth(qt::TwipsToPixelsX(ScoreBoxWidthTwips));
      box->setAlignment(Qt::AlignRight);
      box->installEventFilter(this);
      connect(box, &QLineEdit::textEdited, this, [this] { typed_ = true; });
    }
    rows->addWidget(visitor_labels_[slot], game, 0);
    rows->addWidget(home_labels_[slot], game, 1);
    rows->addWidget(first_score_boxes_[slot], game, 2);
    rows->addWidget(second_score_boxes_[slot], game, 3);
  }

  auto* picture = new QLabel(this);
  picture->setObjectName("Image1");
  picture->setPixmap(qt::ToolbarPicture(ScoresButton, false));
  picture->setAlignment(Qt::AlignCenter);
  QSizePolicy picture_policy = picture->sizePolicy();
  picture_policy.setRetainSizeWhenHidden(true);
  picture->setSizePolicy(picture_policy);
  picture->setVisible(qt::ShowsColourPictures(*this));
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this, Qt::Vertical);
  process_button_ =
      qt::AddDialogButton(buttons, qt::DialogButton::Action, "resultsbutton", "Process",
                          "Save scores to file", qt::ButtonPicture::Accept);
  // Cancel drops the scores not yet processed, exactly as Done does.
  cancel_button_ = qt::AddDialogButton(buttons, qt::DialogButton::Close, "cancelbutton", "Cancel",
                                       "Cancel Score Entry");
  qt::AddDialogButton(buttons, qt::DialogButton::Close, "donebutton", "Done", "Close score entry",
                      qt::ButtonPicture::Done);
  QPushButton* help_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Help, "infobutton", "Info",
                          "Help on Entering Scores", qt::ButtonPicture::Info);

  auto* side = new QVBoxLayout;
  side->addWidget(picture);
  side->addSpacing(qt::TwipsToPixelsY(240));
  side->addWidget(buttons);
  side->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(rows);
  layout->addSpacing(qt::TwipsToPixelsX(240));
  layout->addLayout(side);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  failed_opening_timer_.setInterval(FailedOpeningMilliseconds);
  failed_opening_timer_.setSingleShot(true);
  connect(&failed_opening_timer_, &QTimer::timeout, this, &QWidget::close);
  connect(process_button_, &QPushButton::clicked, this, [this] { OnProcessResults(); });
  connect(help_button, &QPushButton::clicked, this,
          [this] { session_.ui.ShowHelpTopic("Score Entry"); });
}

void ScoreEntryWindow::LoadWeek() {
  if (!LoadScoreEntryWeek(session_, week_, rows_)) {
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
    visitor_labels_[slot]->setText(
        IsSeasonTeam(store, first) ? qt::FromLatin1(store.LocationName[first]) : QString());
    home_labels_[slot]->setText("at " + (IsSeasonTeam(store, second)
                                             ? qt::FromLatin1(store.LocationName[second])
                                             : QString()));
    for (QWidget* widget :
         {static_cast<QWidget*>(visitor_labels_[slot]), static_cast<QWidget*>(home_labels_[slot]),
          static_cast<QWidget*>(first_score_boxes_[slot]),
          static_cast<QWidget*>(second_score_boxes_[slot])}) {
      widget->setVisible(true);
      widget->setEnabled(true);
    }
  }
  // A week already scored shows its scores, so a correction is one box.
  const std::vector<ScoreTexts> recorded = RecordedScoreTexts(store, session_.folder, week_);
  for (std::size_t slot = 0; slot < recorded.size() && slot < static_cast<std::size_t>(rows_);
       ++slot) {
    first_score_boxes_[slot]->setText(qt::FromLatin1(recorded[slot].first));
    second_score_boxes_[slot]->setText(qt::FromLatin1(recorded[slot].second));
  }
  if (games_ > 0) {
    first_score_boxes_[0]->setFocus();
    first_score_boxes_[0]->selectAll();
  }
}

bool ScoreEntryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!IsEnterKey(event)) return QDialog::eventFilter(watched, event);
  for (int game = 1; game <= games_; ++game) {
    const auto slot = static_cast<std::size_t>(game - 1);
    // The next box's score is chosen, so typing replaces a recorded one.
    if (watched == first_score_boxes_[slot]) {
      FocusBox({game, true});
      return true;
    }
    if (watched == second_score_boxes_[slot] && game < games_) {
      FocusBox({game + 1, false});
      return true;
    }
  }
  // The last row's second box keeps the focus: Enter there presses no button either, so that
  // processing is always the user's deliberate click.
  return true;
}

void ScoreEntryWindow::EnableProcessing(bool enabled) {
  process_button_->setEnabled(enabled);
  cancel_button_->setEnabled(enabled);
}

void ScoreEntryWindow::OnProcessResults() {
  EnableProcessing(false);
  std::vector<ScoreTexts> scores;
  for (int game = 1; game <= games_; ++game) {
    const auto slot = static_cast<std::size_t>(game - 1);
    scores.push_back({qt::ToLatin1(first_score_boxes_[slot]->text()),
                      qt::ToLatin1(second_score_boxes_[slot]->text())});
  }
  if (const auto empty = FirstEmptyScore(scores, games_)) {
    ShowScoreMissing(session_, *empty);
    EnableProcessing(true);
    FocusBox(*empty);
    return;
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
  if (const auto refused = FirstRefusedScore(scores, games_)) FocusBox(*refused);
}

void ScoreEntryWindow::FocusBox(ScoreBoxPlace place) {
  const auto slot = static_cast<std::size_t>(place.game - 1);
  QLineEdit* box = place.second ? second_score_boxes_[slot] : first_score_boxes_[slot];
  box->setFocus();
  box->selectAll();
}

void ScoreEntryWindow::reject() {
  if (MayCloseWithTypedChanges(session_.ui, typed_)) QDialog::reject();
}

ScoreEntryWindow* OpenScoresWindow(Session& session, int week, QWidget* main_window) {
  if (!CheckScoreEntryBlock(session, week)) return nullptr;
  auto* window = new ScoreEntryWindow(session, week, main_window);
  qt::ShowDialog(window);
  window->LoadWeek();
  return window;
}

}  // namespace tavrin
