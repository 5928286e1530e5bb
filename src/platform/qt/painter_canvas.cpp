#include "platform/qt/painter_canvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPen>
#include <algorithm>

#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"
#include "platform/qt/twips.h"

namespace tavrin::qt {
namespace {
constexpr double ScreenDotsPerInch = 96.0;
}

void PainterCanvas::Attach(QPainter* painter, double device_dots_per_inch) {
  painter_ = painter;
  pixels_per_twip_ = device_dots_per_inch / TwipsPerInch;
  pen_scale_ = std::max(1.0, device_dots_per_inch / ScreenDotsPerInch);
}

void PainterCanvas::Detach() { painter_ = nullptr; }

QPointF PainterCanvas::ToDevice(double x, double y) const {
  return {x * pixels_per_twip_, y * pixels_per_twip_};
}

void PainterCanvas::SetPen(int palette_colour, int width) {
  if (painter_ == nullptr) return;
  QPen pen(PaletteColour(palette_colour));
  pen.setWidthF(std::max(1, width) * pen_scale_);
  pen.setStyle(pen_style_ == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  painter_->setPen(pen);
}

void PainterCanvas::SetPenStyle(PenStyle style) {
  pen_style_ = style;
  if (painter_ == nullptr) return;
  QPen pen = painter_->pen();
  pen.setStyle(style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  painter_->setPen(pen);
}

void PainterCanvas::DrawLine(double x1, double y1, double x2, double y2) {
  if (painter_ == nullptr) return;
  painter_->drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
}

void PainterCanvas::SetFont(const std::string& name, double points, bool bold) {
  if (painter_ == nullptr) return;
  // No name: the surface's ordinary font, as a drawing area starts with.
  QFont font = name.empty() ? QGuiApplication::font() : QFont(FromLatin1(name));
  if (points > 0) font.setPointSizeF(points);
  font.setBold(bold);
  painter_->setFont(font);
}

void PainterCanvas::DrawText(double x, double y, const std::string& text) {
  if (painter_ == nullptr) return;
  const QFontMetricsF metrics(painter_->font(), painter_->device());
  const QPointF top_left = ToDevice(x, y);
  painter_->drawText(QPointF(top_left.x(), top_left.y() + metrics.ascent()), FromLatin1(text));
}

double PainterCanvas::TextWidth(const std::string& text) {
  if (painter_ == nullptr) return 0.0;
  const QFontMetricsF metrics(painter_->font(), painter_->device());
  return metrics.horizontalAdvance(FromLatin1(text)) / pixels_per_twip_;
}

double PainterCanvas::TextHeight(const std::string&) {
  if (painter_ == nullptr) return 0.0;
  const QFontMetricsF metrics(painter_->font(), painter_->device());
  return metrics.height() / pixels_per_twip_;
}

double PainterCanvas::Width() {
  if (painter_ == nullptr || painter_->device() == nullptr) return 0.0;
  return painter_->device()->width() / pixels_per_twip_;
}

double PainterCanvas::Height() {
  if (painter_ == nullptr || painter_->device() == nullptr) return 0.0;
  return painter_->device()->height() / pixels_per_twip_;
}

}  // namespace tavrin::qt
