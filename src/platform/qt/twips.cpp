#include "platform/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace tavrin::qt {
namespace {

constexpr double FallbackDotsPerInch = 96.0;

double ScreenDpiX() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchX() : FallbackDotsPerInch;
}

double ScreenDpiY() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchY() : FallbackDotsPerInch;
}

}  // namespace

int TwipsToPixels(double twips, double dots_per_inch) {
  return static_cast<int>(std::lround(twips * dots_per_inch / TwipsPerInch));
}

double PixelsToTwips(int pixels, double dots_per_inch) {
  return dots_per_inch > 0 ? pixels * TwipsPerInch / dots_per_inch : 0.0;
}

int TwipsToPixelsX(double twips) { return TwipsToPixels(twips, ScreenDpiX()); }
int TwipsToPixelsY(double twips) { return TwipsToPixels(twips, ScreenDpiY()); }

QSize TwipsSize(double width, double height) {
  return {TwipsToPixelsX(width), TwipsToPixelsY(height)};
}

}  // namespace tavrin::qt
