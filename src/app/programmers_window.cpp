#include "app/programmers_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/dialog_buttons.h"

namespace tavrin {
namespace {

QLabel* Panel(const QString& text, QWidget* parent) {
  auto* panel = new QLabel(text, parent);
  panel->setWordWrap(true);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setMargin(8);
  panel->setMinimumWidth(400);
  return panel;
}

}  // namespace

ProgrammersWindow::ProgrammersWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("programmers");
  setWindowTitle("Tavrin Programming Information");

  auto* title = new QLabel("Tavrin 2000   Version 2.00", this);
  QFont bold = title->font();
  bold.setPointSize(bold.pointSize() + 4);
  bold.setBold(true);
  title->setFont(bold);
  title->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(Panel(
      "Tavrin was written for people who like the numbers behind the games. Keep the schedule, "
      "type in the final scores each week, and Tavrin keeps every team's record and rating and "
      "predicts the games still to come.",
      this));
  layout->addWidget(
      Panel("Everything Tavrin knows sits in a handful of small files in the folder you start it "
            "from. Nothing is sent anywhere, and a copy of the folder is a copy of your season.",
            this));
  layout->addWidget(Panel(
      "New to Tavrin? Help, Instructions walks through a season week by week, and every window "
      "has its own page there. Enjoy the season!",
      this));
  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  buttons->setCenterButtons(true);
  QPushButton* ok_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Accept, "okbutton", "OK", QString());
  layout->addWidget(buttons);
  connect(ok_button, &QPushButton::clicked, this, &QDialog::accept);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tavrin
