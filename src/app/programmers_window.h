#pragma once
// The information window `programmers` (File, Programming Information): a few panels about
// the program, closed with its OK button.

#include <QDialog>

namespace tavrin {

class ProgrammersWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ProgrammersWindow(QWidget* owner);
};

}  // namespace tavrin
