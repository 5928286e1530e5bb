#pragma once
// The score entry window `Scores`: one row of two score boxes per game of the week, Enter
// moving from box to box, and the button that processes the week's results.

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "entry/score_entry.h"
#include "platform/session.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

class ScoreEntryWindow : public QWidget {
 public:
  // The window closes itself this long after a failed opening.
  static constexpr int FailedOpeningMilliseconds = 2000;

  ScoreEntryWindow(Session& session, int week);

  // The window's load: reads the week's schedules and shows one row per game; when they are
  // missing the user is told and `Timer1` closes the window.
  void LoadWeek();
  const QTimer& FailedOpeningTimer() const { return failed_opening_timer_; }
  // Told the week once its results are processed and saved.
  void SetWeekSavedNotice(std::function<void(int week)> notice) { week_saved_ = std::move(notice); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Scores typed but not processed are dropped only when the user agrees.
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnProcessResults();
  void EnableProcessing(bool enabled);

  Session& session_;
  int week_;
  int games_ = 0;
  bool typed_ = false;  // scores typed and not yet processed
  std::array<QLabel*, MaxScoredGames> TLabel_{};
  std::array<QLabel*, MaxScoredGames> STLabel_{};
  std::array<QLineEdit*, MaxScoredGames> first_score_boxes_{};
  std::array<QLineEdit*, MaxScoredGames> second_score_boxes_{};
  QLabel* Image1_;
  QPushButton* resultsbutton_;
  QPushButton* cancelbutton_;
  QPushButton* donebutton_;
  QPushButton* infobutton_;
  QTimer failed_opening_timer_;
  std::function<void(int week)> week_saved_;
};

// The "&Enter Scores" command for week `week`: opens the window in front of `main_window`
// when the week's opening block carries recorded scores; null (the user told why) otherwise.
ScoreEntryWindow* OpenScoresWindow(Session& session, int week, QWidget* main_window);

}  // namespace tavrin
