#include "analysis/season_projection_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/dialog_buttons.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/twips.h"
#include "presentation/report_printing.h"
#include "presentation/view_buttons.h"

namespace tavrin {
namespace {

constexpr double BoxWidth = 2160;
constexpr double BoxHeight = 600;
constexpr double RoundGap = 840;  // between a round's boxes and the next round's

// Box i's place in the bracket's grid: the contenders in a row of four columns, each champion
// under its conference's pair, the winner under both champions.
struct BoxCell {
  int row, column, columns;
};
BoxCell CellOf(int box) {
  switch (box) {
    case 1: return {0, 0, 1};
    case 2: return {0, 1, 1};
    case 3: return {0, 2, 1};
    case 4: return {0, 3, 1};
    case 5: return {2, 0, 2};
    case 6: return {2, 2, 2};
    default: return {4, 0, 4};
  }
}

// The caption on a box's free first line, in the box's own cell.
void AddBoxCaption(QGridLayout* grid, QWidget* window, const char* name, const QString& text,
                   int box) {
  auto* caption = new QLabel(text, window);
  caption->setObjectName(name);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  const BoxCell cell = CellOf(box);
  grid->addWidget(caption, cell.row, cell.column, 1, cell.columns, Qt::AlignHCenter | Qt::AlignTop);
}

}  // namespace

SeasonProjectionWindow::SeasonProjectionWindow(Session& session, const SeasonProjection& projection,
                                               QWidget* owner)
    : QDialog(owner) {
  setObjectName("Pseason");
  setWindowTitle(qt::FromLatin1(projection.caption));
  auto* bracket = new QGridLayout;
  bracket->setHorizontalSpacing(qt::TwipsToPixelsX(180));
  for (const int gap_row : {1, 3})
    bracket->setRowMinimumHeight(gap_row, qt::TwipsToPixelsY(RoundGap));
  for (int box = 1; box <= ProjectionBoxCount; ++box) {
    // The box's text begins with a line break, so the name sits on the second line.
    QString text = qt::FromLatin1(ProjectionBoxText(session.store, projection.box_team[box]));
    text.remove(QChar('\r'));
    auto* label = new QLabel(text, this);
    label->setObjectName(QString("label_%1").arg(box));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(2);
    label->setAutoFillBackground(true);
    QPalette white = label->palette();
    white.setColor(QPalette::Window, Qt::white);
    label->setPalette(white);
    label->setMinimumSize(qt::TwipsSize(BoxWidth, BoxHeight));
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const BoxCell cell = CellOf(box);
    bracket->addWidget(label, cell.row, cell.column, 1, cell.columns, Qt::AlignHCenter);
    box_labels_[static_cast<std::size_t>(box)] = label;
  }
  AddBoxCaption(bracket, this, "Label1_AFC", "AFC Champions", 5);
  AddBoxCaption(bracket, this, "Label1_NFC", "NFC Champions", 6);
  AddBoxCaption(bracket, this, "Label2", qt::FromLatin1(projection.title), 7);

  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* help_button =
      AddViewButton(buttons, "infobutton", qt::ButtonPicture::Info, "Help on Season Projections");
  QPushButton* print_button =
      AddViewButton(buttons, "printbutton", qt::ButtonPicture::Print, "Print projections");
  AddViewButton(buttons, "Donebutton", qt::ButtonPicture::Done, "Close projections");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bracket);
  layout->addSpacing(qt::TwipsToPixelsY(RoundGap / 2));
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(help_button, &QPushButton::clicked, this,
          [&session] { session.ui.ShowHelpTopic("Season Projections"); });
  const std::vector<std::string> lines = ProjectionReportLines(session.store, projection);
  connect(print_button, &QPushButton::clicked, this, [&session, lines] {
    PrintAsJob(session, "Tavrin Projections",
               [&session, &lines] { PrintSeasonProjection(session, lines); });
  });
}

void SeasonProjectionWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 2));
  // Each pair joins at a bar above the box it leads to; a line drops from the bar to the box.
  const auto join = [this, &painter](int left, int right, int next) {
    const QRect a = box_labels_[static_cast<std::size_t>(left)]->geometry();
    const QRect b = box_labels_[static_cast<std::size_t>(right)]->geometry();
    const QRect to = box_labels_[static_cast<std::size_t>(next)]->geometry();
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

QDialog* OpenSeasonProjectionWindow(Session& session, QWidget* main_window) {
  const auto projection = ShowSeasonProjection(session);
  if (!projection) return nullptr;
  auto* window = new SeasonProjectionWindow(session, *projection, main_window);
  qt::ShowDialog(window);
  return window;
}

}  // namespace tavrin
