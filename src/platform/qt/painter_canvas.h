#pragma once
// A Canvas over a QPainter: positions and sizes in twips, scaled to the painter's device
// (the screen for the chart window, the page for the chart printout).

#include <QFont>
#include <QPainter>

#include "platform/canvas.h"

namespace tavrin::qt {

class PainterCanvas : public Canvas {
 public:
  // Pens are given in screen pixels, as the chart was drawn on screen; the scale widens them
  // on high-resolution devices.
  void Attach(QPainter* painter, double device_dots_per_inch);
  void Detach();

  void SetPen(int palette_colour, int width) override;
  void SetPenStyle(PenStyle style) override;
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void SetFont(const std::string& name, double points, bool bold) override;
  void DrawText(double x, double y, const std::string& text) override;
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string& text) override;
  double Width() override;
  double Height() override;

 private:
  QPointF ToDevice(double x, double y) const;

  QPainter* painter_ = nullptr;
  double pixels_per_twip_ = 1.0;
  double pen_scale_ = 1.0;
  PenStyle pen_style_ = PenStyle::Solid;
};

}  // namespace tavrin::qt
