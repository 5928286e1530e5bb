#pragma once
// The hourglass pointer of long commands. Showing it starts the main window's `waittimer`;
// its next tick (900 ms later, or as soon as the event loop runs again after a long command)
// puts the normal pointer back and stops the timer.

#include <QObject>
#include <QTimer>

namespace tavrin::qt {

class BusyPointer : public QObject {
  Q_OBJECT

 public:
  static constexpr int ResetMilliseconds = 900;

  explicit BusyPointer(QObject* parent = nullptr);
  ~BusyPointer() override;

  void Show();
  bool IsShowing() const { return showing_; }
  QTimer& waittimer() { return waittimer_; }

 private:
  void Reset();

  QTimer waittimer_;
  bool showing_ = false;
};

}  // namespace tavrin::qt
