#include "analysis/season_projection_window.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/qt/latin1_text.h"
#include "platform/qt/secondary_window.h"
#include "platform/qt/twips.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr double BoxWidth = 2160;
constexpr double BoxHeight = 600;
constexpr double ContenderTop = 360;
constexpr double ChampionTop = 1800;
constexpr double WinnerTop = 3240;

// Box i's top-left in twips: the contenders in a row, each champion under its conference's
// pair, the winner under both champions.
QPointF BoxPosition(int box) {
  switch (box) {
    case 1: return {240, ContenderTop};
    case 2: return {2580, ContenderTop};
    case 3: return {5040, ContenderTop};
    case 4: return {7380, ContenderTop};
    case 5: return {1410, ChampionTop};
    case 6: return {6210, ChampionTop};
    default: return {3810, WinnerTop};
  }
}

QRect BoxRect(int box) {
  const QPointF at = BoxPosition(box);
  return qt::TwipsRect(at.x(), at.y(), BoxWidth, BoxHeight);
}

// The caption on a box's free first line.
QLabel* BoxCaption(QWidget* window, const char* name, const QString& text, int box) {
  auto* caption = new QLabel(text, window);
  caption->setObjectName(name);
  caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  caption->setGeometry(BoxRect(box).adjusted(2, 3, -2, 0));
  caption->resize(caption->width(), caption->sizeHint().height());
  return caption;
}

}  // namespace

SeasonProjectionWindow::SeasonProjectionWindow(Session& session,
                                               const SeasonProjection& projection) {
  setObjectName("Pseason");
  setWindowTitle(qt::FromLatin1(projection.caption));
  setFixedSize(qt::TwipsSize(9780, 4800));
  setAutoFillBackground(true);
  for (int box = 1; box <= ProjectionBoxCount; ++box) {
    // The box's text begins with a line break, so the name sits on the second line.
    QString text = qt::FromLatin1(ProjectionBoxText(session.store, projection.box_team[box]));
    text.remove(QChar('\r'));
    auto* label = new QLabel(text, this);
    label->setObjectName(QString("label_%1").arg(box));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(BoxRect(box).adjusted(2, 3, -2, -2));
    label_[static_cast<std::size_t>(box)] = label;
  }
  BoxCaption(this, "Label1_AFC", "AFC Champions", 5);
  BoxCaption(this, "Label1_NFC", "NFC Champions", 6);
  BoxCaption(this, "Label2", qt::FromLatin1(projection.title), 7);

  auto* infobutton = MakePictureButton(this, "infobutton", qt::ButtonPicture::Info,
                                       "Help on Season Projections", 7560, 4080);
  auto* printbutton = MakePictureButton(this, "printbutton", qt::ButtonPicture::Print,
                                        "Print projections", 8280, 4080);
  auto* Donebutton = MakePictureButton(this, "Donebutton", qt::ButtonPicture::Done,
                                       "Close projections", 9000, 4080);
  connect(infobutton, &QPushButton::clicked, this,
          [&session] { session.ui.ShowHelpTopic("Season Projections"); });
  connect(Donebutton, &QPushButton::clicked, this, &QWidget::close);
  const std::vector<std::string> lines = ProjectionReportLines(session.store, projection);
  connect(printbutton, &QPushButton::clicked, this, [&session, lines] {
    PrintAsJob(session, "Tavrin Projections",
               [&session, &lines] { PrintSeasonProjection(session, lines); });
  });
  ArrangeClosingButtons(this);
}

void SeasonProjectionWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(Qt::white);
  for (int box = 1; box <= ProjectionBoxCount; ++box) painter.drawRect(BoxRect(box));
  // Each pair joins at a bar above the box it leads to; a line drops from the bar to the box.
  const auto join = [&painter](int left, int right, int next) {
    const QRect a = BoxRect(left), b = BoxRect(right), to = BoxRect(next);
    const int bar = (a.bottom() + to.top()) / 2;
    painter.drawLine(a.center().x(), a.bottom(), a.center().x(), bar);
    painter.drawLine(b.center().x(), b.bottom(), b.center().x(), bar);
    painter.drawLine(a.center().x(), bar, b.center().x(), bar);
    painter.drawLine(to.center().x(), bar, to.center().x(), to.top());
  };
  join(1, 2, 5);
  join(3, 4, 6);
  join(5, 6, 7);
}

QWidget* OpenSeasonProjectionWindow(Session& session, QWidget* main_window) {
  const auto projection = ShowSeasonProjection(session);
  if (!projection) return nullptr;
  auto* window = new SeasonProjectionWindow(session, *projection);
  qt::ShowSecondaryWindow(window, main_window);
  return window;
}

}  // namespace tavrin
