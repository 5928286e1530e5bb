#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

#include "platform/messages.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/pictures.h"
#include "platform/qt/push_button.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "platform/qt/window_keys.h"
#include "season/season_change.h"
#include "season/text_convention.h"

namespace tavrin {

using qt::TwipsRect;

namespace {

// Design geometry of the controls, in twips from the top-left of the area below the menu bar.
constexpr int ScheduleListWidth = 7815;
constexpr int ScheduleListHeight = 4020;
constexpr int ReportListWidth = 9075;
constexpr int FrameMargin = 70;  // the frame drawn around a list is this much wider
constexpr int PanelLeft = 240;
constexpr int ToolLeft = 120;
constexpr int ToolTop = 90;
constexpr int ToolSize = 780;
constexpr int ToolPitch = 840;
constexpr int CaptionTop = ToolTop + ToolSize + 20;
constexpr int PanelTop = 1200;
constexpr int ButtonWidth = 1080;
constexpr int ButtonHeight = 480;
constexpr int ReportListHeight = 3930;
constexpr const char* GeometryKey = "mainwindow/geometry";

const std::array<const char*, 5> HoverCaptions{"Schedules", "Enter Scores", "Predictions",
                                               "Standings", "Help"};

// The area behind the panels: a quiet field-green wash with the program's name, so an idle
// window does not look empty or broken.
class Background : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    qt::PaintVerticalShade(painter, rect(), QColor(236, 240, 232), QColor(200, 222, 200));
    painter.setPen(QColor(150, 180, 150));
    QFont title = font();
    title.setPointSize(40);
    title.setBold(true);
    painter.setFont(title);
    const QRect lower(0, qt::TwipsToPixelsY(PanelTop), width(),
                      height() - qt::TwipsToPixelsY(PanelTop));
    painter.drawText(lower.adjusted(0, 0, 0, -lower.height() / 5), Qt::AlignCenter, "Tavrin");
    QFont hint = font();
    hint.setPointSize(10);
    painter.setFont(hint);
    painter.setPen(QColor(90, 120, 90));
    painter.drawText(lower.adjusted(0, lower.height() / 3, 0, 0), Qt::AlignCenter,
                     "Choose a command from the menus or the toolbar.");
  }
};

QListWidget* MakeReportList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setFont(qt::ReportListFont());
  list->setUniformItemSizes(true);
  qt::MakeListReadable(list);
  return list;
}

QFrame* MakeListFrame(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::Box);
  frame->setLineWidth(2);
  frame->setStyleSheet("QFrame { color: #2e6b3a; }");
  return frame;
}

}  // namespace

MainWindow::MainWindow(SeasonStore& store, UserInterface& ui, std::filesystem::path folder,
                       QWidget* parent)
    : QMainWindow(parent), session_{store, ui, std::move(folder)} {
  setObjectName("Form2");
  setWindowTitle(ProgramCaption);
  statusBar()->setObjectName("statusbar");

  // Step 1: centred, at the design size, unless it was left elsewhere or larger last time.
  setMinimumSize(DesignSize());
  resize(DesignSize());
  qt::CentreOnScreen(this, this);
  restoreGeometry(QSettings().value(GeometryKey).toByteArray());
  // Step 2: the display's colour depth chooses the toolbar's pictures.
  store.ColourDepthFlag =
      static_cast<int16_t>(ColourDepthFlagFor(screen() != nullptr ? screen()->depth() : 0));
  BuildControls();
  if (store.ColourDepthFlag != FullColourDepth) ApplyLowColourPictures();

  // Steps 4 to 10: the data files, the week menus and the report font.
  BuildMenus(LoadAtStartup(store, session_.folder, ui, ui.ReportPrinter()));
  ShowSeasonState();

  qt::InstallPrintAndHelpKeys(this);
  // Escape closes the listing on show, as its Close button does.
  auto* close_listing = new QShortcut(Qt::Key_Escape, this);
  connect(close_listing, &QShortcut::activated, this, [this] {
    if (QPushButton* done = qt::ButtonWithRole(this, "donebutton")) done->click();
  });
  qt::SetGeneralHelp([this] { OnHelpContents(); });
}

QSize MainWindow::DesignSize() const {
  // The status line below the design's area tells what the last command did.
  return qt::TwipsSize(DesignWidthTwips, DesignHeightTwips) +
         QSize(0, statusBar()->sizeHint().height());
}

void MainWindow::ShowSeasonState() {
  const SeasonStore& store = session_.store;
  const QString title = store.WorkingYear > 0
                            ? qt::FromLatin1("Tavrin " + YearText(store.WorkingYear))
                            : QString(ProgramCaption);
  // A window that may not save says so where it is always seen; its printouts need not.
  setWindowTitle(SeasonReadOnlyReason(session_.folder) ? title + " (read-only)" : title);
  if (auto* printer = dynamic_cast<qt::QtPrinter*>(&session_.ui.ReportPrinter())) {
    printer->SetFootTitle(qt::ToLatin1(title));
  }
  // A toolbar button that would do nothing looks it.
  const MenuStates menus = CurrentMenuStates();
  for (int k = 0; k < qt::ToolbarButtonCount; ++k) {
    const auto button = static_cast<ToolbarButton>(k);
    tool_[static_cast<std::size_t>(k)]->setEnabled(
        ToolbarButtonAction(button, menus, store.LastScoredWeek, store.WeeksInSeason).command !=
        ToolbarCommand::Nothing);
  }
}

void MainWindow::ShowWeekSaved(int week) {
  statusBar()->showMessage(
      QString::fromStdString(WeekSavedMessage(week, session_.store.WeeksInSeason)));
}

void MainWindow::BuildControls() {
  auto* background = new Background(this);
  background->setObjectName("background");
  background->setMouseTracking(true);
  background->installEventFilter(this);
  setCentralWidget(background);
  BuildToolbar();
  BuildSchedulePanel();
  BuildReportPanel();
  LayOutPanels();
}

void MainWindow::LayOutPanels() {
  // The lists take whatever the window has beyond its design size; their buttons keep to the
  // lists' right and bottom edges.
  const int grow_x = std::max(0, width() - DesignSize().width());
  const int grow_y = std::max(0, height() - DesignSize().height());
  const auto grown = [grow_x, grow_y](QRect rect) { return rect.adjusted(0, 0, grow_x, grow_y); };
  const auto moved = [grow_x, grow_y](QRect rect, bool down) {
    return rect.translated(grow_x, down ? grow_y : 0);
  };

  scheduleframe_->setGeometry(
      grown(TwipsRect(PanelLeft - FrameMargin / 2, PanelTop + 330 - FrameMargin / 2,
                      ScheduleListWidth + FrameMargin, ScheduleListHeight + FrameMargin)));
  schedule_list_->setGeometry(
      grown(TwipsRect(PanelLeft, PanelTop + 330, ScheduleListWidth, ScheduleListHeight)));
  const int buttons_left = PanelLeft + ScheduleListWidth + 180;
  schprintbutton_->setGeometry(
      moved(TwipsRect(buttons_left, PanelTop + 330, ButtonWidth, ButtonHeight + 120), false));
  schdonebutton_->setGeometry(
      moved(TwipsRect(buttons_left, PanelTop + 1050, ButtonWidth, ButtonHeight + 120), false));

  reportframe_->setGeometry(
      grown(TwipsRect(PanelLeft - FrameMargin / 2, PanelTop - FrameMargin / 2,
                      ReportListWidth + FrameMargin, ReportListHeight + FrameMargin)));
  report_list_->setGeometry(
      grown(TwipsRect(PanelLeft, PanelTop, ReportListWidth, ReportListHeight)));
  const int buttons_top = PanelTop + ReportListHeight + 110;
  const int done_left = PanelLeft + ReportListWidth - ButtonWidth;
  const int print_left = done_left - ButtonWidth - 120;
  for (QPushButton* done : {preddonebutton_, standingsdonebutton_}) {
    done->setGeometry(moved(TwipsRect(done_left, buttons_top, ButtonWidth, ButtonHeight), true));
  }
  for (QPushButton* print : {Predprintbutton_, standingsprintbutton_}) {
    print->setGeometry(moved(TwipsRect(print_left, buttons_top, ButtonWidth, ButtonHeight), true));
  }
}

void MainWindow::BuildToolbar() {
  QWidget* area = centralWidget();
  for (int k = 0; k < qt::ToolbarButtonCount; ++k) {
    auto* button = new QToolButton(area);
    button->setObjectName(QString("tool_%1").arg(k));
    button->setIcon(qt::ToolbarPicture(k, false));
    button->setIconSize(QSize(qt::ToolbarPictureSize, qt::ToolbarPictureSize));
    button->setGeometry(TwipsRect(ToolLeft + k * ToolPitch, ToolTop, ToolSize, ToolSize));
    button->setAutoRaise(false);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this,
            [this, k] { ClickTool(static_cast<ToolbarButton>(k)); });
    tool_[static_cast<std::size_t>(k)] = button;

    auto* caption = new QLabel(HoverCaptions[static_cast<std::size_t>(k)], area);
    caption->setObjectName(QString("helplabel_%1").arg(k));
    caption->setStyleSheet(
        "QLabel { background: #fff8c8; color: black; border: 1px solid #8a8060; padding: 1px 4px; "
        "}");
    caption->adjustSize();
    const int centre = button->geometry().center().x();
    caption->move(std::max(2, centre - caption->width() / 2), qt::TwipsToPixelsY(CaptionTop));
    caption->hide();
    helplabel_[static_cast<std::size_t>(k)] = caption;
  }
  caption_timer_ = new QTimer(this);
  caption_timer_->setObjectName("Timer1");
  caption_timer_->setInterval(CaptionHideMilliseconds);
  connect(caption_timer_, &QTimer::timeout, this, &MainWindow::HideHoverCaptions);
  caption_timer_->start();
}

void MainWindow::ApplyLowColourPictures() {
  for (int k = 0; k < qt::ToolbarButtonCount; ++k)
    tool_[static_cast<std::size_t>(k)]->setIcon(qt::ToolbarPicture(k, true));
}

void MainWindow::BuildSchedulePanel() {
  QWidget* area = centralWidget();
  Schedulelabel_ = new QLabel("Schedules", area);
  Schedulelabel_->setObjectName("Schedulelabel");
  QFont bold = Schedulelabel_->font();
  bold.setBold(true);
  Schedulelabel_->setFont(bold);
  Schedulelabel_->setGeometry(TwipsRect(PanelLeft, PanelTop, ScheduleListWidth, 300));
  scheduleframe_ = MakeListFrame(area, "scheduleframe");
  schedule_list_ = MakeReportList(area, "List1");

  team_choice_ = new QComboBox(area);
  team_choice_->setObjectName("Combo1");
  team_choice_->setEditable(true);
  team_choice_->setInsertPolicy(QComboBox::NoInsert);
  team_choice_->setFont(qt::ReportListFont());
  team_choice_->setGeometry(TwipsRect(PanelLeft, PanelTop + 330, 3600, 360));
  team_choice_->lineEdit()->installEventFilter(this);
  connect(team_choice_->lineEdit(), &QLineEdit::returnPressed, this,
          &MainWindow::AcceptScheduleTeam);
  schbutton_ =
      qt::MakeButton(area, "schbutton", "Accept", "Accept selection", qt::ButtonPicture::Accept);
  schbutton_->setGeometry(
      TwipsRect(PanelLeft + 3720, PanelTop + 330, ButtonWidth + 120, ButtonHeight));

  schprintbutton_ =
      qt::MakeButton(area, "schprintbutton", "Print", "Print Listing", qt::ButtonPicture::Print);
  schdonebutton_ =
      qt::MakeButton(area, "schdonebutton", "Close", "Close Listing", qt::ButtonPicture::Done);

  connect(schbutton_, &QPushButton::clicked, this, &MainWindow::AcceptScheduleTeam);
  connect(schdonebutton_, &QPushButton::clicked, this, &MainWindow::OnCloseSchedule);
  connect(schprintbutton_, &QPushButton::clicked, this, &MainWindow::OnPrintSchedule);
  for (QWidget* control :
       std::initializer_list<QWidget*>{Schedulelabel_, scheduleframe_, schedule_list_, team_choice_,
                                       schbutton_, schdonebutton_, schprintbutton_}) {
    control->hide();
    control->setEnabled(false);
  }
  Schedulelabel_->setEnabled(true);
  scheduleframe_->setEnabled(true);
}

void MainWindow::BuildReportPanel() {
  QWidget* area = centralWidget();
  reportframe_ = MakeListFrame(area, "reportframe");
  report_list_ = MakeReportList(area, "List2");
  preddonebutton_ =
      qt::MakeButton(area, "preddonebutton", "Close", "Close listing", qt::ButtonPicture::Done);
  Predprintbutton_ =
      qt::MakeButton(area, "Predprintbutton", "Print", "Print Listing", qt::ButtonPicture::Print);
  standingsdonebutton_ = qt::MakeButton(area, "standingsdonebutton", "Close", "Close listing",
                                        qt::ButtonPicture::Done);
  standingsprintbutton_ = qt::MakeButton(area, "standingsprintbutton", "Print", "Print Listing",
                                         qt::ButtonPicture::Print);
  connect(preddonebutton_, &QPushButton::clicked, this, &MainWindow::OnClosePredictions);
  connect(Predprintbutton_, &QPushButton::clicked, this, &MainWindow::OnPrintPredictions);
  connect(standingsdonebutton_, &QPushButton::clicked, this, &MainWindow::OnCloseStandings);
  connect(standingsprintbutton_, &QPushButton::clicked, this, &MainWindow::OnPrintStandings);
  for (QWidget* control : std::initializer_list<QWidget*>{
           reportframe_, report_list_, preddonebutton_, Predprintbutton_, standingsdonebutton_,
           standingsprintbutton_}) {
    control->hide();
    control->setEnabled(false);
  }
  reportframe_->setEnabled(true);
}

void MainWindow::ClickTool(ToolbarButton button) {
  helplabel_[static_cast<std::size_t>(button)]->hide();
  const SeasonStore& store = session_.store;
  const ToolbarAction action =
      ToolbarButtonAction(button, CurrentMenuStates(), store.LastScoredWeek, store.WeeksInSeason);
  switch (action.command) {
    case ToolbarCommand::Nothing: break;
    case ToolbarCommand::EntireSeason: OnShowSeasonSchedule(); break;
    case ToolbarCommand::EnterScores: OnScoresWeekChosen(action.menu_index); break;
    case ToolbarCommand::Predictions: OnShowPredictions(action.menu_index); break;
    case ToolbarCommand::Standings: OnShowStandings(action.menu_index); break;
    case ToolbarCommand::Instructions:
      session_.ui.ShowBusyPointer();
      OnHelpContents();
      break;
  }
}

void MainWindow::ShowHoverCaption(int button) {
  for (int k = 0; k < qt::ToolbarButtonCount; ++k)
    helplabel_[static_cast<std::size_t>(k)]->setVisible(k == button);
  helplabel_[static_cast<std::size_t>(button)]->raise();
}

void MainWindow::HideHoverCaptions() {
  for (QLabel* caption : helplabel_) caption->hide();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  for (int k = 0; k < qt::ToolbarButtonCount; ++k) {
    if (watched == tool_[static_cast<std::size_t>(k)] &&
        (type == QEvent::Enter || type == QEvent::MouseMove)) {
      if (CurrentMenuStates().schedules) ShowHoverCaption(k);
      return false;
    }
  }
  if (watched == centralWidget() && type == QEvent::MouseMove) {
    HideHoverCaptions();
  } else if (type == QEvent::MouseButtonDblClick && watched == team_choice_->lineEdit()) {
    AcceptScheduleTeam();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // The window may grow, never shrink below its design, where the panels would be cut off.
  const QSize design = DesignSize();
  if (width() < design.width() || height() < design.height()) {
    resize(width() < design.width() ? design.width() : width(),
           height() < design.height() ? design.height() : height());
  }
  LayOutPanels();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
      schprintbutton_->isHidden()) {
    schdonebutton_->hide();
  }
  // Back from a secondary window, which may have changed the season or the year.
  if (event->type() == QEvent::EnabledChange && isEnabled()) ShowSeasonState();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Written only when it changed: writing the settings file waits for the disk.
  QSettings settings;
  const QByteArray geometry = saveGeometry();
  if (settings.value(GeometryKey).toByteArray() != geometry) {
    settings.setValue(GeometryKey, geometry);
  }
  // The help window and any secondary window go with the main window.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible()) window->close();
  }
  event->accept();
}

void MainWindow::ShowFromSplash() {
  session_.ui.ShowBusyPointer();
  setEnabled(true);
  show();
  raise();
  activateWindow();
}

}  // namespace tavrin
