#include "platform/qt/push_button.h"

namespace tavrin::qt {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(tooltip);
  return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, ButtonPicture picture) {
  QPushButton* button = MakeButton(parent, name, caption, tooltip);
  button->setIcon(ButtonIcon(picture));
  return button;
}

}  // namespace tavrin::qt
