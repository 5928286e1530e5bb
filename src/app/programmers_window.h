#pragma once
// The information window `programmers` (File, Programming Information): a few panels about
// the program, closed with its OK button.

#include <QWidget>

namespace tavrin {

class ProgrammersWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ProgrammersWindow(QWidget* parent = nullptr);
};

}  // namespace tavrin
