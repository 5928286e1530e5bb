#include "graphs/area_canvas.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tavrin {

AreaCanvas::AreaCanvas(Canvas& surface, double area_width, double area_height, double left,
                       double top, double width, double height)
    : surface_(surface),
      area_width_(area_width),
      area_height_(area_height),
      left_(left),
      top_(top),
      scale_x_(width / area_width),
      scale_y_(height / area_height) {}

void AreaCanvas::SetPen(int palette_colour, int width) { surface_.SetPen(palette_colour, width); }
void AreaCanvas::SetPenStyle(PenStyle style) { surface_.SetPenStyle(style); }

void AreaCanvas::DrawLine(double x1, double y1, double x2, double y2) {
  if (!ClipToArea(x1, y1, x2, y2)) return;
  surface_.DrawLine(X(x1), Y(y1), X(x2), Y(y2));
}

void AreaCanvas::SetFont(const std::string& name, double points, bool bold) {
  surface_.SetFont(name, points * scale_y_, bold);
}

void AreaCanvas::DrawText(double x, double y, const std::string& text) {
  surface_.DrawText(X(x), Y(y), text);
}

double AreaCanvas::TextWidth(const std::string& text) {
  return surface_.TextWidth(text) / scale_x_;
}
double AreaCanvas::TextHeight(const std::string& text) {
  return surface_.TextHeight(text) / scale_y_;
}
double AreaCanvas::Width() { return area_width_; }
double AreaCanvas::Height() { return area_height_; }

// Liang-Barsky; false when nothing of the segment lies inside.
bool AreaCanvas::ClipToArea(double& x1, double& y1, double& x2, double& y2) const {
  const double dx = x2 - x1, dy = y2 - y1;
  double enter = 0, leave = 1;
  const std::array<std::pair<double, double>, 4> edges{
      {{-dx, x1}, {dx, area_width_ - x1}, {-dy, y1}, {dy, area_height_ - y1}}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return false;
      continue;
    }
    const double t = q / p;
    if (p < 0)
      enter = std::max(enter, t);
    else
      leave = std::min(leave, t);
    if (enter > leave) return false;
  }
  const double start_x = x1, start_y = y1;
  x1 = start_x + enter * dx;
  y1 = start_y + enter * dy;
  x2 = start_x + leave * dx;
  y2 = start_y + leave * dy;
  return true;
}

}  // namespace tavrin
