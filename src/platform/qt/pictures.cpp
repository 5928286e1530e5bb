#include "platform/qt/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWidget>

#include "platform/qt/palette.h"

namespace tavrin::qt {
namespace {

// Colours a picture is drawn with; the low-colour set keeps to the basic palette.
struct Inks {
  QColor paper, ink, accent, field, leather, sky, gold, shade;
  bool smooth;  // antialiased edges and text; off for the low-colour set
};

// The application's own font, already loaded for the windows: asking for another family here
// would cost a font lookup at start-up.
QFont PictureFont(int pixels, const Inks& inks) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(true);
  if (!inks.smooth) font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

Inks InksFor(bool low_colour) {
  if (low_colour) {
    return {PaletteColour(15), PaletteColour(0), PaletteColour(12),
            PaletteColour(2),  PaletteColour(4), PaletteColour(9),
            PaletteColour(14), PaletteColour(8), false};
  }
  return {QColor(252, 250, 242), QColor(40, 40, 48),    QColor(200, 40, 40),
          QColor(46, 132, 60),   QColor(132, 70, 36),   QColor(52, 96, 186),
          QColor(232, 180, 40),  QColor(150, 150, 160), true};
}

// A soft glow over a plain background: concentric opaque discs shading from the background
// towards the light. Opaque on purpose: large translucent fills are blended on worker threads,
// which at start-up on a busy machine cost more than the drawing.
void DrawGlow(QPainter& painter, const QPointF& centre, double radius, const QColor& light,
              const QColor& background, double strength) {
  constexpr int Rings = 24;
  painter.save();
  painter.setPen(Qt::NoPen);
  for (int ring = 0; ring < Rings; ++ring) {
    const double t = strength * (ring + 1) / Rings;
    painter.setBrush(QColor::fromRgbF(
        static_cast<float>(background.redF() + (light.redF() - background.redF()) * t),
        static_cast<float>(background.greenF() + (light.greenF() - background.greenF()) * t),
        static_cast<float>(background.blueF() + (light.blueF() - background.blueF()) * t)));
    const double r = radius * (Rings - ring) / Rings;
    painter.drawEllipse(centre, r, r);
  }
  painter.restore();
}

// A football lying along the x axis, centred on the origin, length 2 * half_length.
void DrawFootball(QPainter& painter, double half_length, const QColor& leather, const QColor& lace,
                  const QColor& outline) {
  QPainterPath ball;
  const double half_height = half_length * 0.58;
  ball.moveTo(-half_length, 0);
  ball.cubicTo(-half_length * 0.55, -half_height * 1.3, half_length * 0.55, -half_height * 1.3,
               half_length, 0);
  ball.cubicTo(half_length * 0.55, half_height * 1.3, -half_length * 0.55, half_height * 1.3,
               -half_length, 0);
  painter.setPen(QPen(outline, std::max(1.0, half_length / 14)));
  painter.setBrush(leather);
  painter.drawPath(ball);
  QPen lace_pen(lace, std::max(1.0, half_length / 12));
  lace_pen.setCapStyle(Qt::RoundCap);
  painter.setPen(lace_pen);
  painter.drawLine(QPointF(-half_length * 0.38, 0), QPointF(half_length * 0.38, 0));
  for (int stitch = -2; stitch <= 2; ++stitch) {
    const double x = stitch * half_length * 0.15;
    painter.drawLine(QPointF(x, -half_height * 0.22), QPointF(x, half_height * 0.22));
  }
}

void DrawCalendar(QPainter& painter, const Inks& inks) {
  painter.setPen(QPen(inks.ink, 1.5));
  painter.setBrush(inks.paper);
  painter.drawRect(QRectF(5, 8, 30, 28));
  painter.setBrush(inks.accent);
  painter.drawRect(QRectF(5, 8, 30, 8));
  painter.setPen(QPen(inks.ink, 2));
  painter.drawLine(QPointF(12, 5), QPointF(12, 11));
  painter.drawLine(QPointF(28, 5), QPointF(28, 11));
  painter.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      painter.setBrush(row == 1 && column == 2 ? inks.field : inks.shade);
      painter.drawRect(QRectF(8 + column * 6.5, 19 + row * 5.5, 4.5, 3.5));
    }
  }
}

void DrawScoreboard(QPainter& painter, const Inks& inks) {
  painter.setPen(QPen(inks.ink, 1.5));
  painter.setBrush(inks.ink);
  painter.drawRoundedRect(QRectF(3, 7, 34, 22), 3, 3);
  painter.setPen(inks.gold);
  painter.setFont(PictureFont(11, inks));
  painter.drawText(QRectF(3, 9, 16, 18), Qt::AlignCenter, "21");
  painter.drawText(QRectF(21, 9, 16, 18), Qt::AlignCenter, "17");
  painter.setPen(QPen(inks.shade, 1));
  painter.drawLine(QPointF(20, 10), QPointF(20, 26));
  // A pencil below the board: the scores are typed in here.
  painter.save();
  painter.translate(20, 34);
  painter.rotate(-12);
  painter.setPen(QPen(inks.ink, 1));
  painter.setBrush(inks.gold);
  painter.drawRect(QRectF(-14, -2.5, 24, 5));
  painter.setBrush(inks.paper);
  QPolygonF tip;
  tip << QPointF(10, -2.5) << QPointF(16, 0) << QPointF(10, 2.5);
  painter.drawPolygon(tip);
  painter.setBrush(inks.accent);
  painter.drawRect(QRectF(-17, -2.5, 3, 5));
  painter.restore();
}

void DrawPrediction(QPainter& painter, const Inks& inks) {
  // A crystal ball with a football inside it.
  painter.setBrush(inks.sky);
  painter.setPen(QPen(inks.ink, 1.5));
  painter.drawEllipse(QPointF(20, 17), 14, 14);
  if (inks.smooth) DrawGlow(painter, QPointF(16, 13), 9, QColor(230, 240, 255), inks.sky, 0.8);
  painter.save();
  painter.translate(20, 18);
  painter.rotate(-25);
  DrawFootball(painter, 8, inks.leather, inks.paper, inks.ink);
  painter.restore();
  painter.setPen(QPen(inks.ink, 1.5));
  painter.setBrush(inks.gold);
  QPolygonF stand;
  stand << QPointF(10, 36) << QPointF(30, 36) << QPointF(26, 29) << QPointF(14, 29);
  painter.drawPolygon(stand);
}

void DrawStandings(QPainter& painter, const Inks& inks) {
  // A podium of three steps, the winner's in gold.
  painter.setPen(QPen(inks.ink, 1.5));
  painter.setBrush(inks.shade);
  painter.drawRect(QRectF(4, 22, 11, 14));
  painter.setBrush(inks.gold);
  painter.drawRect(QRectF(15, 12, 11, 24));
  painter.setBrush(inks.leather);
  painter.drawRect(QRectF(26, 27, 11, 9));
  painter.setPen(inks.paper);
  painter.setFont(PictureFont(9, inks));
  painter.drawText(QRectF(15, 14, 11, 12), Qt::AlignCenter, "1");
  painter.drawText(QRectF(4, 24, 11, 12), Qt::AlignCenter, "2");
  painter.drawText(QRectF(26, 27, 11, 9), Qt::AlignCenter, "3");
  painter.setPen(QPen(inks.ink, 1));
  painter.setBrush(inks.accent);
  QPolygonF pennant;
  pennant << QPointF(20.5, 2) << QPointF(20.5, 12) << QPointF(20.5, 2) << QPointF(28, 5)
          << QPointF(20.5, 8);
  painter.drawPolygon(pennant);
}

void DrawHelp(QPainter& painter, const Inks& inks) {
  painter.setPen(QPen(inks.ink, 1.5));
  painter.setBrush(inks.sky);
  painter.drawEllipse(QPointF(20, 20), 16, 16);
  painter.setPen(inks.paper);
  painter.setFont(PictureFont(24, inks));
  painter.drawText(QRectF(4, 4, 32, 32), Qt::AlignCenter, "?");
}

QPixmap Blank(int width, int height) {
  QPixmap picture(width, height);
  picture.fill(Qt::transparent);
  return picture;
}

}  // namespace

QPixmap ToolbarPicture(int button, bool low_colour) {
  QPixmap picture = Blank(ToolbarPictureSize, ToolbarPictureSize);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, !low_colour);
  painter.setRenderHint(QPainter::TextAntialiasing, !low_colour);
  const Inks inks = InksFor(low_colour);
  switch (button) {
    case 0: DrawCalendar(painter, inks); break;
    case 1: DrawScoreboard(painter, inks); break;
    case 2: DrawPrediction(painter, inks); break;
    case 3: DrawStandings(painter, inks); break;
    default: DrawHelp(painter, inks); break;
  }
  return picture;
}

QIcon ButtonIcon(ButtonPicture which) {
  constexpr int Size = 20;
  QPixmap picture = Blank(Size, Size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const Inks inks = InksFor(false);
  switch (which) {
    case ButtonPicture::Done: {
      painter.setPen(QPen(inks.accent, 3, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(5, 5), QPointF(15, 15));
      painter.drawLine(QPointF(15, 5), QPointF(5, 15));
      break;
    }
    case ButtonPicture::Print: {
      painter.setPen(QPen(inks.ink, 1.2));
      painter.setBrush(inks.paper);
      painter.drawRect(QRectF(5.5, 2.5, 9, 7));
      painter.setBrush(inks.shade);
      painter.drawRoundedRect(QRectF(2.5, 8.5, 15, 7), 1.5, 1.5);
      painter.setBrush(inks.paper);
      painter.drawRect(QRectF(5.5, 13.5, 9, 4.5));
      break;
    }
    case ButtonPicture::Accept: {
      painter.setPen(QPen(inks.field, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      painter.drawPolyline(QPolygonF() << QPointF(4, 10.5) << QPointF(8.5, 15) << QPointF(16, 5));
      break;
    }
    case ButtonPicture::Info: {
      painter.setPen(Qt::NoPen);
      painter.setBrush(inks.sky);
      painter.drawEllipse(QRectF(1, 1, 18, 18));
      painter.setPen(inks.paper);
      painter.setFont(PictureFont(14, inks));
      painter.drawText(QRectF(1, 1, 18, 18), Qt::AlignCenter, "i");
      break;
    }
  }
  return QIcon(picture);
}

void PaintVerticalShade(QPainter& painter, const QRectF& area, const QColor& top,
                        const QColor& bottom) {
  constexpr int Bands = 32;
  const double band_height = area.height() / Bands;
  for (int band = 0; band < Bands; ++band) {
    const double t = (band + 0.5) / Bands;
    const QColor shade =
        QColor::fromRgbF(static_cast<float>(top.redF() + (bottom.redF() - top.redF()) * t),
                         static_cast<float>(top.greenF() + (bottom.greenF() - top.greenF()) * t),
                         static_cast<float>(top.blueF() + (bottom.blueF() - top.blueF()) * t));
    // Each band overlaps the next by a pixel so no seam shows between them.
    painter.fillRect(
        QRectF(area.left(), area.top() + band * band_height, area.width(), band_height + 1), shade);
  }
}

QPixmap SplashPicture() {
  constexpr int Width = 400;
  constexpr int Height = 300;
  QPixmap picture(Width, Height);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  // Evening sky over the stadium, floodlights, then the field in perspective.
  PaintVerticalShade(painter, QRectF(0, 0, Width, 130), QColor(12, 18, 52), QColor(58, 72, 140));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(30, 30, 40));
  painter.drawRect(0, 96, Width, 34);  // the far stand
  for (int light = 0; light < 2; ++light) {
    const double x = light == 0 ? 50 : 350;
    painter.setBrush(QColor(70, 70, 80));
    painter.drawRect(QRectF(x - 2, 30, 4, 70));
    DrawGlow(painter, QPointF(x, 28), 40, QColor(255, 250, 210), QColor(20, 28, 70), 0.9);
    painter.setBrush(QColor(255, 252, 230));
    painter.drawRect(QRectF(x - 12, 22, 24, 10));
  }

  const double horizon = 130;
  for (int stripe = 0; stripe < 10; ++stripe) {
    const double top = horizon + (Height - horizon) * (stripe / 10.0) * (stripe / 10.0);
    const double bottom =
        horizon + (Height - horizon) * ((stripe + 1) / 10.0) * ((stripe + 1) / 10.0);
    painter.setBrush(stripe % 2 == 0 ? QColor(46, 128, 56) : QColor(40, 116, 50));
    painter.drawRect(QRectF(0, top, Width, bottom - top + 1));
  }
  // Yard lines running to a vanishing point above the picture.
  painter.setPen(QPen(QColor(235, 240, 235), 2));
  const QPointF vanishing(Width / 2.0, -260);
  for (int line = -6; line <= 6; ++line) {
    const double bottom_x = Width / 2.0 + line * 62;
    const double t = (horizon - vanishing.y()) / (Height - vanishing.y());
    painter.drawLine(QPointF(vanishing.x() + (bottom_x - vanishing.x()) * t, horizon),
                     QPointF(bottom_x, Height));
  }
  // The goal post at the far end.
  painter.setPen(QPen(QColor(240, 200, 40), 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(200, 132), QPointF(200, 104));
  painter.drawLine(QPointF(176, 104), QPointF(224, 104));
  painter.drawLine(QPointF(176, 104), QPointF(176, 62));
  painter.drawLine(QPointF(224, 104), QPointF(224, 62));

  // The ball in flight towards the post, with its trail.
  painter.setPen(
      QPen(QColor(128, 178, 134), 3, Qt::DashLine, Qt::RoundCap));  // opaque: see DrawGlow
  QPainterPath trail;
  trail.moveTo(120, 280);
  trail.quadTo(150, 120, 196, 150);
  painter.drawPath(trail);
  painter.save();
  painter.translate(200, 205);
  painter.rotate(-28);
  DrawFootball(painter, 54, QColor(136, 70, 34), QColor(250, 250, 250), QColor(80, 40, 20));
  painter.restore();
  return picture;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    QPixmap picture = Blank(size, size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(46, 132, 60));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    painter.translate(size / 2.0, size / 2.0);
    painter.rotate(-35);
    DrawFootball(painter, size * 0.42, QColor(132, 70, 36), QColor(250, 250, 250),
                 QColor(80, 40, 20));
    icon.addPixmap(picture);
  }
  return icon;
}

bool ShowsColourPictures(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  return IsColourDepth(screen != nullptr ? screen->depth() : 0);
}

}  // namespace tavrin::qt
