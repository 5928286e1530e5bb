#include "presentation/view_buttons.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <algorithm>

#include "platform/qt/dialog_buttons.h"
#include "platform/qt/twips.h"

namespace tavrin {
namespace {

constexpr double PictureTwips = 360;

QString CaptionFor(qt::ButtonPicture picture) {
  switch (picture) {
    case qt::ButtonPicture::Print: return "Print";
    case qt::ButtonPicture::Done: return "Close";
    case qt::ButtonPicture::Info: return "Help";
    case qt::ButtonPicture::Accept: break;
  }
  return "OK";
}

qt::DialogButton KindOf(qt::ButtonPicture picture) {
  switch (picture) {
    case qt::ButtonPicture::Print: return qt::DialogButton::Print;
    case qt::ButtonPicture::Done: return qt::DialogButton::Close;
    case qt::ButtonPicture::Info: return qt::DialogButton::Help;
    case qt::ButtonPicture::Accept: break;
  }
  return qt::DialogButton::Accept;
}

}  // namespace

QPushButton* AddViewButton(QDialogButtonBox* box, const char* name, qt::ButtonPicture picture,
                           const QString& tooltip) {
  QPushButton* button =
      qt::AddDialogButton(box, KindOf(picture), name, CaptionFor(picture), tooltip, picture);
  button->setIconSize(qt::TwipsSize(PictureTwips, PictureTwips));
  // Enter in a view with nothing to accept closes it, rather than pressing whichever button
  // comes next (Print would start a printout).
  const QList<QAbstractButton*> buttons = box->buttons();
  const bool accepts = std::any_of(buttons.cbegin(), buttons.cend(), [](QAbstractButton* other) {
    const auto* push = qobject_cast<QPushButton*>(other);
    return push != nullptr && push->isDefault();
  });
  if (picture == qt::ButtonPicture::Done && !accepts) button->setDefault(true);
  return button;
}

}  // namespace tavrin
