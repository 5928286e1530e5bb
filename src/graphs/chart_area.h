#pragma once
// A chart's drawing area in a window: the chart drawn on white in its own twips, stretched to
// whatever room the window's layout gives the area, so the chart grows with its window.

#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace tavrin {

class ChartArea : public QWidget {
  Q_OBJECT

 public:
  // `draw` draws the chart on a canvas of width x height twips.
  ChartArea(QWidget* parent, const char* name, double width, double height,
            std::function<void(Canvas&)> draw);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double width_;
  double height_;
  std::function<void(Canvas&)> draw_;
};

}  // namespace tavrin
