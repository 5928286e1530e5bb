#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
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
#include <QVBoxLayout>

#include "engine/recorded_scores.h"
#include "platform/messages.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/pictures.h"
#include "platform/qt/push_button.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/twips.h"
#include "platform/qt/window_keys.h"
#include "season/data_files.h"
#include "season/season_change.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

// Sizes of the controls, in twips.
constexpr int ToolSize = 780;
constexpr int PanelTop = 1200;  // the listings start under the toolbar
constexpr int ButtonWidth = 1080;
constexpr int ButtonHeight = 480;
constexpr int TeamChoiceWidth = 3600;
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

// The green box a listing stands in.
QFrame* MakeListFrame(QWidget* parent, const char* name, QListWidget* list) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::Box);
  frame->setLineWidth(2);
  frame->setStyleSheet(QStringLiteral("QFrame#%1 { color: #2e6b3a; }").arg(name));
  list->setParent(frame);
  auto* inside = new QVBoxLayout(frame);
  inside->setContentsMargins(2, 2, 2, 2);
  inside->addWidget(list);
  return frame;
}

QPushButton* PanelButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& tooltip, qt::ButtonPicture picture) {
  QPushButton* button = qt::MakeButton(parent, name, caption, tooltip, picture);
  button->setMinimumSize(qt::TwipsSize(ButtonWidth, ButtonHeight));
  return button;
}

}  // namespace

MainWindow::MainWindow(SeasonStore& store, UserInterface& ui, std::filesystem::path folder,
                       QWidget* parent)
    : QMainWindow(parent), session_{store, ui, std::move(folder)} {
  setObjectName("Form2");
  setWindowTitle(ProgramCaption);
  statusBar()->setObjectName("statusbar");

  // Centred, at the design size, unless it was left elsewhere or larger last time.
  setMinimumSize(DesignSize());
  resize(DesignSize());
  CentreOnScreen();
  restoreGeometry(QSettings().value(GeometryKey).toByteArray());
  // The display's colour depth chooses the toolbar's pictures.
  BuildControls();
  if (!qt::ShowsColourPictures(*this)) ApplyLowColourPictures();

  // The data files, the week menus and the report font.
  BuildMenus(LoadAtStartup(store, session_.folder, ui, ui.ReportPrinter()));
  SetMenuStates(MenusWhileShowing(ListingPanel::None));
  if (const auto reason = SeasonReadOnlyReason(session_.folder)) {
    auto* read_only = new QLabel("Read-only: nothing can be saved", this);
    read_only->setObjectName("readonlylabel");
    read_only->setToolTip(QString::fromStdString(*reason));
    statusBar()->addPermanentWidget(read_only);
  }

  // Ctrl+P prints and Escape closes the listing on show, as its buttons do.
  const auto press = [this](QPushButton* (MainWindow::*button)() const) {
    return [this, button] {
      if (QPushButton* shown = (this->*button)()) shown->click();
    };
  };
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
          press(&MainWindow::ShownListingPrintButton));
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
          press(&MainWindow::ShownListingCloseButton));
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          &MainWindow::OnHelpContents);
  qt::SetGeneralHelp([this] { OnHelpContents(); });
}

void MainWindow::CentreOnScreen() {
  const QScreen* shown_on = screen();
  if (shown_on == nullptr) return;
  const QRect area = shown_on->availableGeometry();
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
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
  const SeasonProgress season = CurrentSeasonProgress();
  const MenuStates menus = CurrentMenuStates();
  for (int k = 0; k < qt::ToolbarButtonCount; ++k) {
    const auto button = static_cast<ToolbarButton>(k);
    tool_buttons_[static_cast<std::size_t>(k)]->setEnabled(
        ToolbarButtonAction(button, menus, season).command != ToolbarCommand::Nothing);
  }
}

SeasonProgress MainWindow::CurrentSeasonProgress() const {
  const SeasonStore& store = session_.store;
  SeasonStore last_scored = store;
  std::error_code error;
  return {
      store.LastScoredWeek, store.WeeksInSeason,
      std::filesystem::exists(session_.folder / ScheduleFileName(store.WorkingYear), error),
      LoadStatsBlockNumber(last_scored, session_.folder, std::max<int>(store.LastScoredWeek, 0)) &&
          BlockHasRecordedScores(last_scored),
      SeasonReadOnlyReason(session_.folder).has_value()};
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
  // The toolbar in its row; under it the listing on show, which takes whatever room the window
  // has (the two panels share the place, one shown at a time).
  auto* layout = new QGridLayout(background);
  layout->addLayout(BuildToolbar(), 0, 0);
  layout->setRowMinimumHeight(0, qt::TwipsToPixelsY(PanelTop) - layout->verticalSpacing());
  layout->addWidget(BuildSchedulePanel(), 1, 0);
  layout->addWidget(BuildReportPanel(), 1, 0);
  layout->setRowStretch(1, 1);
}

QHBoxLayout* MainWindow::BuildToolbar() {
  QWidget* area = centralWidget();
  auto* row = new QHBoxLayout;
  for (int k = 0; k < qt::ToolbarButtonCount; ++k) {
    auto* button = new QToolButton(area);
    button->setObjectName(QString("tool_%1").arg(k));
    button->setIcon(qt::ToolbarPicture(k, false));
    button->setIconSize(QSize(qt::ToolbarPictureSize, qt::ToolbarPictureSize));
    button->setFixedSize(qt::TwipsSize(ToolSize, ToolSize));
    button->setAutoRaise(false);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this,
            [this, k] { ClickTool(static_cast<ToolbarButton>(k)); });
    tool_buttons_[static_cast<std::size_t>(k)] = button;
    row->addWidget(button, 0, Qt::AlignTop);

    // Shown under its button by ShowHoverCaption, over whatever lies there.
    auto* caption = new QLabel(HoverCaptions[static_cast<std::size_t>(k)], area);
    caption->setObjectName(QString("helplabel_%1").arg(k));
    caption->setStyleSheet(
        "QLabel { background: #fff8c8; color: black; border: 1px solid #8a8060; padding: 1px 4px; "
        "}");
    caption->adjustSize();
    caption->hide();
    hover_captions_[static_cast<std::size_t>(k)] = caption;
  }
  row->addStretch();
  caption_timer_ = new QTimer(this);
  caption_timer_->setObjectName("Timer1");
  caption_timer_->setInterval(CaptionHideMilliseconds);
  connect(caption_timer_, &QTimer::timeout, this, &MainWindow::HideHoverCaptions);
  caption_timer_->start();
  return row;
}

void MainWindow::ApplyLowColourPictures() {
  for (int k = 0; k < qt::ToolbarButtonCount; ++k)
    tool_buttons_[static_cast<std::size_t>(k)]->setIcon(qt::ToolbarPicture(k, true));
}

QWidget* MainWindow::BuildSchedulePanel() {
  auto* panel = new QWidget(centralWidget());
  schedule_title_ = new QLabel("Schedules", panel);
  schedule_title_->setObjectName("Schedulelabel");
  QFont bold = schedule_title_->font();
  bold.setBold(true);
  schedule_title_->setFont(bold);
  schedule_list_ = MakeReportList(panel, "List1");
  schedule_frame_ = MakeListFrame(panel, "scheduleframe", schedule_list_);

  team_choice_ = new QComboBox(panel);
  team_choice_->setObjectName("Combo1");
  team_choice_->setEditable(true);
  team_choice_->setInsertPolicy(QComboBox::NoInsert);
  team_choice_->setFont(qt::ReportListFont());
  team_choice_->setMinimumWidth(qt::TwipsToPixelsX(TeamChoiceWidth));
  team_choice_->lineEdit()->installEventFilter(this);
  connect(team_choice_->lineEdit(), &QLineEdit::returnPressed, this,
          &MainWindow::AcceptScheduleTeam);
  schedule_title_->setBuddy(team_choice_);
  team_accept_button_ =
      PanelButton(panel, "schbutton", "Accept", "Accept selection", qt::ButtonPicture::Accept);
  schedule_print_button_ =
      PanelButton(panel, "schprintbutton", "Print", "Print Listing", qt::ButtonPicture::Print);
  schedule_close_button_ =
      PanelButton(panel, "schdonebutton", "Close", "Close Listing", qt::ButtonPicture::Done);

  auto* team_row = new QHBoxLayout;
  team_row->addWidget(team_choice_);
  team_row->addWidget(team_accept_button_);
  team_row->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(schedule_print_button_);
  buttons->addWidget(schedule_close_button_);
  buttons->addStretch();
  auto* layout = new QGridLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(schedule_title_, 0, 0);
  layout->addLayout(team_row, 1, 0);
  layout->addWidget(schedule_frame_, 2, 0);
  layout->addLayout(buttons, 1, 1, 2, 1);
  layout->setRowStretch(2, 1);

  connect(team_accept_button_, &QPushButton::clicked, this, &MainWindow::AcceptScheduleTeam);
  connect(schedule_close_button_, &QPushButton::clicked, this, &MainWindow::OnCloseSchedule);
  connect(schedule_print_button_, &QPushButton::clicked, this, &MainWindow::OnPrintSchedule);
  for (QWidget* control : std::initializer_list<QWidget*>{
           schedule_title_, schedule_frame_, schedule_list_, team_choice_, team_accept_button_,
           schedule_close_button_, schedule_print_button_}) {
    control->hide();
    control->setEnabled(false);
  }
  schedule_title_->setEnabled(true);
  schedule_frame_->setEnabled(true);
  return panel;
}

QWidget* MainWindow::BuildReportPanel() {
  auto* panel = new QWidget(centralWidget());
  report_list_ = MakeReportList(panel, "List2");
  report_frame_ = MakeListFrame(panel, "reportframe", report_list_);
  predictions_close_button_ =
      PanelButton(panel, "preddonebutton", "Close", "Close listing", qt::ButtonPicture::Done);
  predictions_print_button_ =
      PanelButton(panel, "Predprintbutton", "Print", "Print Listing", qt::ButtonPicture::Print);
  standings_close_button_ =
      PanelButton(panel, "standingsdonebutton", "Close", "Close listing", qt::ButtonPicture::Done);
  standings_print_button_ = PanelButton(panel, "standingsprintbutton", "Print", "Print Listing",
                                        qt::ButtonPicture::Print);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {predictions_print_button_, standings_print_button_,
                              predictions_close_button_, standings_close_button_}) {
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(report_frame_, 1);
  layout->addLayout(buttons);

  connect(predictions_close_button_, &QPushButton::clicked, this, &MainWindow::OnClosePredictions);
  connect(predictions_print_button_, &QPushButton::clicked, this, &MainWindow::OnPrintPredictions);
  connect(standings_close_button_, &QPushButton::clicked, this, &MainWindow::OnCloseStandings);
  connect(standings_print_button_, &QPushButton::clicked, this, &MainWindow::OnPrintStandings);
  for (QWidget* control : std::initializer_list<QWidget*>{
           report_frame_, report_list_, predictions_close_button_, predictions_print_button_,
           standings_close_button_, standings_print_button_}) {
    control->hide();
    control->setEnabled(false);
  }
  report_frame_->setEnabled(true);
  return panel;
}

void MainWindow::ClickTool(ToolbarButton button) {
  hover_captions_[static_cast<std::size_t>(button)]->hide();
  const ToolbarAction action =
      ToolbarButtonAction(button, CurrentMenuStates(), CurrentSeasonProgress());
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
  // Under the middle of its button, kept inside the window.
  const QRect under = tool_buttons_[static_cast<std::size_t>(button)]->geometry();
  QLabel* caption = hover_captions_[static_cast<std::size_t>(button)];
  caption->move(std::max(2, under.center().x() - caption->width() / 2), under.bottom() + 2);
  for (int k = 0; k < qt::ToolbarButtonCount; ++k)
    hover_captions_[static_cast<std::size_t>(k)]->setVisible(k == button);
  hover_captions_[static_cast<std::size_t>(button)]->raise();
}

void MainWindow::HideHoverCaptions() {
  for (QLabel* caption : hover_captions_) caption->hide();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  for (int k = 0; k < qt::ToolbarButtonCount; ++k) {
    if (watched == tool_buttons_[static_cast<std::size_t>(k)] &&
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

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
      schedule_print_button_->isHidden()) {
    schedule_close_button_->hide();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Written only when it changed: writing the settings file waits for the disk.
  QSettings settings;
  const QByteArray geometry = saveGeometry();
  if (settings.value(GeometryKey).toByteArray() != geometry) {
    settings.setValue(GeometryKey, geometry);
  }
  // The help window and any secondary window go with the main window; an editor whose user
  // keeps its typed work keeps the main window open too.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible() && !window->close()) {
      event->ignore();
      return;
    }
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
