#pragma once
// The score entry window `Scores`: one row of two score boxes per game of the week, Enter
// moving from box to box, and the button that processes the week's results.

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>

#include "entry/score_entry.h"
#include "platform/session.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

class ScoreEntryWindow : public QDialog {
 public:
  // The window closes itself this long after a failed opening.
  static constexpr int FailedOpeningMilliseconds = 2000;

  ScoreEntryWindow(Session& session, int week, QWidget* owner);

  // The window's load: reads the week's schedules and shows one row per game; when they are
  // missing the user is told and the window closes itself a moment later.
  void LoadWeek();
  // Told the week once its results are processed and saved.
  void SetWeekSavedNotice(std::function<void(int week)> notice) { week_saved_ = std::move(notice); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // Scores typed but not processed are dropped only when the user agrees.
  void reject() override;

 private:
  void OnProcessResults();
  void EnableProcessing(bool enabled);
  // Puts the focus in a box the user must correct, its text chosen to type over.
  void FocusBox(ScoreBoxPlace place);

  Session& session_;
  int week_;
  int rows_;  // the games a week of the season's league can hold
  int games_ = 0;
  bool typed_ = false;  // scores typed and not yet processed
  std::array<QLabel*, MostScoredGames> visitor_labels_{};
  std::array<QLabel*, MostScoredGames> home_labels_{};
  std::array<QLineEdit*, MostScoredGames> first_score_boxes_{};
  std::array<QLineEdit*, MostScoredGames> second_score_boxes_{};
  QPushButton* process_button_;
  QPushButton* cancel_button_;
  QTimer failed_opening_timer_;
  std::function<void(int week)> week_saved_;
};

// The "&Enter Scores" command for week `week`: opens the window in front of `main_window`
// when the week's opening block carries recorded scores; null (the user told why) otherwise.
ScoreEntryWindow* OpenScoresWindow(Session& session, int week, QWidget* main_window);

}  // namespace tavrin
