#include "app/splash_window.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "platform/qt/palette.h"
#include "platform/qt/pictures.h"
#include "platform/qt/twips.h"

namespace tavrin {
namespace {

constexpr int BannerStripWidthTwips = 9600;  // wide enough for the longer banner at 6 points
constexpr int SplashDropTwips = 500;         // the splash sits this far below the true centre
constexpr const char* LowColourPictureFile = "Tavtib.dat";

}  // namespace

QString CreditsLine() {
  const QString date = QDate::currentDate().toString("MM-dd-yyyy");
  return QString("Tavrin  %1   Version 2.00").arg(date.right(4));
}

SplashWindow::SplashWindow(MainWindow& main_window)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), main_window_(main_window) {
  setObjectName("Form1");
  setWindowTitle("Tavrin 2000");
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  picture_ = new QLabel(this);
  picture_->setObjectName("Image1");
  QPixmap picture = qt::SplashPicture();
  // Low-colour displays get the picture kept beside the data files, when there is a readable one.
  Session& session = main_window.session();
  if (!qt::ShowsColourPictures(main_window)) {
    QPixmap low_colour;
    if (low_colour.load(QString::fromStdString((session.folder / LowColourPictureFile).string())))
      picture = low_colour;
  }
  picture_->setPixmap(picture);
  picture_->setFixedSize(picture.size());
  picture_->installEventFilter(this);

  // The caption stands over the picture, a twelfth of the way down.
  title_ = new QLabel("Tavrin 2000", picture_);
  title_->setObjectName("Label1");
  title_->setAlignment(Qt::AlignCenter);
  title_->setStyleSheet(
      "QLabel { color: white; background: transparent; font-size: 30pt; font-weight: bold; }");
  title_->setFixedHeight(picture.height() / 6);
  title_->installEventFilter(this);
  auto* over_picture = new QVBoxLayout(picture_);
  over_picture->setContentsMargins(0, picture.height() / 12, 0, 0);
  over_picture->addWidget(title_);
  over_picture->addStretch();

  main_window.session().ui.ShowBusyPointer();

  // Under the picture, a strip 8 percent of its height, in which the banner scrolls by.
  auto* strip = new QWidget(this);
  strip->setFixedSize(picture.width(), static_cast<int>(picture.height() * 0.08));
  banner_ = new QLabel(strip);
  banner_->setObjectName("Picture2");
  banner_->setAutoFillBackground(true);
  QPalette colours = banner_->palette();
  colours.setColor(QPalette::Window, qt::PaletteColour(0));
  colours.setColor(QPalette::WindowText, qt::PaletteColour(7));
  banner_->setPalette(colours);
  QFont small = banner_->font();
  small.setPointSize(6);
  banner_->setFont(small);
  banner_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  banner_->resize(qt::TwipsToPixelsX(BannerStripWidthTwips), strip->height());
  banner_->move(qt::TwipsToPixelsX(banner_left_twips_), 0);
  banner_->installEventFilter(this);
  SetBanner(CreditsLine());
  banner_toggle_ = 0;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(picture_);
  layout->addWidget(strip);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();

  if (const QScreen* screen = main_window.screen()) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2,
         area.top() + (area.height() - this->height()) / 2 + qt::TwipsToPixelsY(SplashDropTwips));
  }

  banner_timer_ = new QTimer(this);
  banner_timer_->setObjectName("Timer1");
  banner_timer_->setInterval(BannerTickMilliseconds);
  connect(banner_timer_, &QTimer::timeout, this, &SplashWindow::AdvanceBanner);
  banner_timer_->start();
}

QString SplashWindow::BannerText() const { return banner_->text(); }

void SplashWindow::SetBanner(const QString& text) { banner_->setText(text); }

void SplashWindow::AdvanceBanner() {
  if (banner_left_twips_ < BannerEndTwips) {
    banner_left_twips_ = BannerRestartTwips;
    if (banner_toggle_ == 1) {
      banner_toggle_ = 0;
      SetBanner(CreditsLine());
    } else {
      banner_toggle_ = 1;
      SetBanner(BannerPrompt);
    }
  }
  banner_left_twips_ -= BannerStepTwips;
  banner_->move(qt::TwipsToPixelsX(banner_left_twips_), 0);
}

void SplashWindow::Dismiss() {
  if (dismissed_) return;
  dismissed_ = true;
  banner_timer_->stop();
  hide();
  main_window_.ShowFromSplash();
  close();
}

void SplashWindow::mousePressEvent(QMouseEvent*) { Dismiss(); }

void SplashWindow::keyPressEvent(QKeyEvent* event) {
  // Every key is taken here; only Enter, Space and Escape dismiss the splash.
  event->accept();
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
      key == Qt::Key_Escape) {
    Dismiss();
  }
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      (watched == picture_ || watched == title_ || watched == banner_)) {
    Dismiss();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tavrin
