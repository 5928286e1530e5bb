#pragma once
// A drawing area shown on another surface (a chart placed on the printed page): moved and
// scaled, with everything outside the area cut off, as a picture of the area would be.

#include "platform/canvas.h"

namespace tavrin {

class AreaCanvas : public Canvas {
 public:
  // The area of area_width x area_height units appears on `surface` at (left, top), width x
  // height of the surface's units.
  AreaCanvas(Canvas& surface, double area_width, double area_height, double left, double top,
             double width, double height);

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
  double X(double x) const { return left_ + x * scale_x_; }
  double Y(double y) const { return top_ + y * scale_y_; }
  bool ClipToArea(double& x1, double& y1, double& x2, double& y2) const;

  Canvas& surface_;
  double area_width_, area_height_, left_, top_, scale_x_, scale_y_;
};

}  // namespace tavrin
