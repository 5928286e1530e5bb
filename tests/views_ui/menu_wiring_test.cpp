// The main window's menu entries open the view windows: each entry opens its window in front
// of the disabled main window, and closing it enables the main window again.

#include <QAction>
#include <QApplication>
#include <QtTest>
#include <memory>

#include "app/main_window.h"
#include "views_ui/view_test_support.h"

using namespace tavrin;
using namespace tavrin::testing;

class MenuWiringTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryViewEntryOpensItsWindow() {
    TAVRIN_QSKIP_WITHOUT_SHARED_DATA();
    TempFolder folder;
    folder.CopyFilesFrom(SharedDataDir() / "golden/1999/final");
    SeasonStore store;
    ScriptedUi ui;
    MainWindow main_window(store, ui, folder.path());
    main_window.show();
    const std::vector<std::pair<const char*, const char*>> entries{
        {"WeekResultMenu_4", "VResults"},     {"teamresultsmenu", "TResults"},
        {"ViewWKStats_17", "VStatsform"},     {"Specialsmenu", "Specials"},
        {"Pseasonmenu", "Pseason"},           {"singlegraphmenu", "Selgraphform"},
        {"Graphtwoteammenu", "Selgraphform"}, {"Scorecardmenu", "Scorecard"},
        {"PlayoffOddsmenu", "PlayoffOdds"}};
    for (const auto& [entry, window_name] : entries) {
      main_window.findChild<QAction*>(entry)->trigger();
      QWidget* opened = main_window.SecondaryWindow();
      QVERIFY2(opened != nullptr && opened->objectName() == window_name, entry);
      QVERIFY(opened->isVisible());
      QVERIFY(!main_window.isEnabled());
      opened->close();
      SettleClosedWindows();
      QVERIFY2(main_window.isEnabled(), entry);
    }
    QCOMPARE(store.GraphMode, 2);
    QVERIFY(ui.messages.empty());
  }
};

QTEST_MAIN(MenuWiringTest)
#include "menu_wiring_test.moc"
