#pragma once
// A drawing surface in twips (1/1440 inch), for the rating chart on screen and on paper.

#include <string>

namespace tavrin {

enum class PenStyle { Solid, Dotted };

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetPen(int palette_colour, int width) = 0;  // 16-colour palette index
  // Kept until changed; SetPen does not change it.
  virtual void SetPenStyle(PenStyle style) = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
  virtual void SetFont(const std::string& name, double points, bool bold) = 0;
  virtual void DrawText(double x, double y, const std::string& text) = 0;  // top-left at x, y
  virtual double TextWidth(const std::string& text) = 0;
  virtual double TextHeight(const std::string& text) = 0;
  // The surface's size: the drawing area on screen, the printable part of the page on paper.
  virtual double Width() = 0;
  virtual double Height() = 0;
};

}  // namespace tavrin
