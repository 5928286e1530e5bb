#include "presentation/enter_again_label.h"

#include <QLabel>

#include "platform/qt/latin1_text.h"
#include "platform/qt/palette.h"
#include "presentation/weeks_to_enter_again.h"

namespace tavrin {

namespace {

constexpr int WarningColour = 4;  // dark red

}  // namespace

QLabel* MakeEnterAgainLabel(QWidget* parent, const Session& session) {
  const auto weeks = WeeksToEnterAgain(session.store, session.folder);
  if (!weeks) return nullptr;
  auto* label = new QLabel(qt::FromLatin1(EnterAgainNote(*weeks)), parent);
  label->setObjectName("enteragain");
  label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, qt::PaletteColour(WarningColour));
  label->setPalette(palette);
  return label;
}

}  // namespace tavrin
