#include "presentation/view_buttons.h"

#include <QPushButton>
#include <algorithm>
#include <map>
#include <vector>

#include "platform/qt/push_button.h"
#include "platform/qt/twips.h"

namespace tavrin {
namespace {

constexpr double ButtonTwips = 600;
constexpr double GapTwips = 120;
constexpr const char* PictureProperty = "tavrinPicture";

QString CaptionFor(qt::ButtonPicture picture) {
  switch (picture) {
    case qt::ButtonPicture::Print: return "Print";
    case qt::ButtonPicture::Done: return "Close";
    case qt::ButtonPicture::Info: return "Help";
    case qt::ButtonPicture::Accept: break;
  }
  return "OK";
}

}  // namespace

QPushButton* MakePictureButton(QWidget* window, const char* name, qt::ButtonPicture picture,
                               const QString& tooltip, double left, double top) {
  QPushButton* button = qt::MakeButton(window, name, QString(), tooltip, picture);
  button->setIconSize(qt::TwipsSize(ButtonTwips * 0.6, ButtonTwips * 0.6));
  button->setProperty(PictureProperty, static_cast<int>(picture));
  button->setGeometry(qt::TwipsRect(left, top, ButtonTwips, ButtonTwips));
  return button;
}

void ArrangeClosingButtons(QWidget* window) {
  std::map<int, std::vector<QPushButton*>> rows;
  for (QPushButton* button : window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    if (button->property(PictureProperty).isValid()) rows[button->y()].push_back(button);
  }
  for (auto& [top, row] : rows) {
    const bool closes = std::any_of(row.begin(), row.end(), [](const QPushButton* button) {
      return button->property(PictureProperty).toInt() == static_cast<int>(qt::ButtonPicture::Done);
    });
    if (!closes) continue;  // a button beside a box (Accept) keeps its place and its picture
    std::sort(row.begin(), row.end(),
              [](const QPushButton* a, const QPushButton* b) { return a->x() > b->x(); });
    int right = row.front()->geometry().right() + 1;
    for (QPushButton* button : row) {
      button->setText(
          CaptionFor(static_cast<qt::ButtonPicture>(button->property(PictureProperty).toInt())));
      const int width = std::max(button->sizeHint().width(), qt::TwipsToPixelsX(ButtonTwips));
      button->setGeometry(right - width, top, width, button->height());
      right -= width + qt::TwipsToPixelsX(GapTwips);
    }
  }
}

}  // namespace tavrin
