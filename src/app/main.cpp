// Tavrin: start-up. The main window loads the season behind the splash; dismissing the splash
// shows it. The program works on the data files of its current directory.

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "app/main_window.h"
#include "app/season_hold.h"
#include "app/season_offer.h"
#include "app/splash_window.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_user_interface.h"

namespace {

// For start-up measurements: ends the program once the main window has first been painted.
class QuitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Where the window's place and the printer's choices are remembered between runs.
  QCoreApplication::setOrganizationName("Tavrin");
  QCoreApplication::setApplicationName("Tavrin");
  // The menu entry's name, so the desktop matches the window to its entry and icon.
  QGuiApplication::setDesktopFileName("org.tavrin.Tavrin");
  app.setWindowIcon(tavrin::qt::ApplicationIcon());

  tavrin::SeasonStore store;
  const std::filesystem::path folder = ".";
  tavrin::qt::QtUserInterface ui(folder);
  tavrin::Session session{store, ui, folder};
  // Kept until the program ends: no other program changes the season under this window.
  const auto lock = tavrin::HoldSeasonFolder(folder, ui, std::chrono::seconds(2));
  if (!tavrin::OfferSeasonForEmptyFolder(session)) return 0;
  tavrin::MainWindow main_window(store, ui, folder);
  ui.SetMainWindow(&main_window);

  auto* splash = new tavrin::SplashWindow(main_window);
  splash->show();
  splash->activateWindow();

  // TAVRIN_EXIT_WHEN_SHOWN: the start-up benchmark's hook; the splash is dismissed at once.
  QuitOnFirstPaint quit_on_first_paint;
  if (qEnvironmentVariableIsSet("TAVRIN_EXIT_WHEN_SHOWN")) {
    main_window.installEventFilter(&quit_on_first_paint);
    splash->Dismiss();
  }
  return app.exec();
}
