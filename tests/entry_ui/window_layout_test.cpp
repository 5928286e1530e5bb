// Every data entry window as it first appears: no caption, label or button cut short by the
// layout. With TAVRIN_SCREENSHOT_DIR set, each window is also saved there as a picture for a
// person to look at.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "entry/names_window.h"
#include "entry/schedule_window.h"
#include "entry/scores_window.h"
#include "entry/settings_window.h"
#include "entry/stats_editor_window.h"
#include "entry_ui/window_fixture.h"

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// The names of the controls whose text does not fit the room the layout gave them.
QStringList ClippedControls(QWidget* window) {
  QStringList clipped;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisible()) continue;
    const bool is_text = qobject_cast<QLabel*>(control) != nullptr ||
                         qobject_cast<QAbstractButton*>(control) != nullptr ||
                         qobject_cast<QGroupBox*>(control) != nullptr;
    if (!is_text) continue;
    const QSize needed = control->minimumSizeHint();
    if (control->width() < needed.width() || control->height() < needed.height()) {
      auto* label = qobject_cast<QLabel*>(control);
      clipped << QStringLiteral("%1 '%2'").arg(control->objectName(),
                                               label != nullptr ? label->text() : QString());
    }
  }
  return clipped;
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SeasonCopy> season_;
  QWidget main_window_;

  void Check(QWidget* window, const QString& picture_name) {
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(ClippedControls(window), QStringList());
    QVERIFY(window->width() >= window->minimumSizeHint().width());
    const QString folder = qEnvironmentVariable("TAVRIN_SCREENSHOT_DIR");
    if (!folder.isEmpty()) QVERIFY(window->grab().save(folder + "/" + picture_name + ".png"));
  }

 private slots:
  void initTestCase() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    season_ = std::make_unique<SeasonCopy>();
    main_window_.show();
  }

  void cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window != &main_window_) window->close();
    }
    QTRY_VERIFY(main_window_.isEnabled());
  }

  void scores() {
    ScoreEntryWindow* window = OpenScoresWindow(season_->session, 17, &main_window_);
    TypeOver(window, "FTTEXT_1", "24");
    Check(window, "scores");
  }

  void schedule() {
    ScheduleEntryWindow* window = OpenScheduleWindow(season_->session, &main_window_);
    TypeOver(window, "Text2", "3");
    Click(window, "loadbutton");
    // The first game taken out again and its visitors chosen: all three team colours on show.
    auto* list = Control<QListWidget>(window, "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(1)).center());
    Click(window, "Removebutton");
    Click(window, QStringLiteral("Clabel_%1").arg(SeasonGames(1999, 3).front().visitor));
    Check(window, "schedule");
  }

  void statisticsEditor() {
    StatsEditorWindow* window = OpenStatsEditorWindow(season_->session, &main_window_);
    TypeOver(window, "Text1", "5");
    Click(window, "Loadbutton");
    Check(window, "statedit");
  }

  void names() { Check(OpenNamesWindow(season_->session, &main_window_), "namesform"); }

  void settingsAndFont() {
    SettingsWindow* window = OpenSettingsWindow(season_->session, &main_window_);
    Check(window, "settingsform");
    Click(window, "fontbutton");
    Check(OpenWindow("Setfont"), "setfont");
  }
};

QTEST_MAIN(WindowLayoutTest)

#include "window_layout_test.moc"
