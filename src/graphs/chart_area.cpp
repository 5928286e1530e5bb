#include "graphs/chart_area.h"

#include <QPainter>

#include "graphs/area_canvas.h"
#include "platform/qt/painter_canvas.h"
#include "platform/qt/twips.h"

namespace tavrin {

ChartArea::ChartArea(QWidget* parent, const char* name, double width, double height,
                     std::function<void(Canvas&)> draw)
    : QWidget(parent), width_(width), height_(height), draw_(std::move(draw)) {
  setObjectName(name);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ChartArea::sizeHint() const { return qt::TwipsSize(width_, height_); }

// Below half its size the chart's labels would run into each other.
QSize ChartArea::minimumSizeHint() const { return sizeHint() / 2; }

void ChartArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  qt::PainterCanvas canvas;
  const double dots_per_inch = logicalDpiX();
  canvas.Attach(&painter, dots_per_inch);
  AreaCanvas area(canvas, width_, height_, 0, 0, qt::PixelsToTwips(width(), dots_per_inch),
                  qt::PixelsToTwips(height(), dots_per_inch));
  draw_(area);
  canvas.Detach();
}

}  // namespace tavrin
