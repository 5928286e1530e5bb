#pragma once
// The splash window `Form1`: the splash picture, the caption "Tavrin 2000" and a black strip
// along the bottom in which the credits and a prompt scroll by turns. A click, Enter or Space
// dismisses it and shows the main window. It is the start window, and About shows it again.

#include <QTimer>
#include <QWidget>

class QLabel;

namespace tavrin {

class MainWindow;

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int BannerTickMilliseconds = 20;
  static constexpr int BannerStepTwips = 28;
  static constexpr int BannerRestartTwips = 5700;
  static constexpr int BannerEndTwips = -9400;  // the strip restarts once its left edge passes this

  // Prepares the splash over a main window that has already loaded the season.
  explicit SplashWindow(MainWindow& main_window);

  void Dismiss();
  // One tick of the banner timer: the strip moves left, and restarts with the other text once
  // it has passed.
  void AdvanceBanner();
  QString BannerText() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetBanner(const QString& text);

  MainWindow& main_window_;
  QLabel* picture_;
  QLabel* title_;
  QLabel* banner_;
  QTimer* banner_timer_;
  int banner_toggle_ = 0;
  double banner_left_twips_ = BannerRestartTwips;
  bool dismissed_ = false;
};

// The credits line: the product name, the year of the system date and the version.
QString CreditsLine();
inline constexpr const char* BannerPrompt =
    " Please check the Help Menu for program information.   Press a key or click to continue.";

}  // namespace tavrin
