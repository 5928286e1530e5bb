#include "reports/view_buttons.h"

#include <QPushButton>

#include "platform/qt/twips.h"

namespace tavrin {
namespace {
constexpr double ButtonTwips = 600;
}

QPushButton* MakePictureButton(QWidget* window, const char* name, qt::ButtonPicture picture,
                               const QString& tooltip, double left, double top) {
  auto* button = new QPushButton(window);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(qt::ButtonIcon(picture));
  button->setIconSize(qt::TwipsSize(ButtonTwips * 0.6, ButtonTwips * 0.6));
  button->setToolTip(tooltip);
  button->setGeometry(qt::TwipsRect(left, top, ButtonTwips, ButtonTwips));
  return button;
}

}  // namespace tavrin
