#pragma once
// The line a view window shows under what it draws when the season holds weeks that must be
// entered again (presentation/weeks_to_enter_again.h), so that nothing left out goes unsaid.

#include "platform/session.h"

class QLabel;
class QWidget;

namespace tavrin {

// The note `enteragain` in the warning colour; null when every week counts.
QLabel* MakeEnterAgainLabel(QWidget* parent, const Session& session);

}  // namespace tavrin
