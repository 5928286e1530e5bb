#include "platform/qt/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace tavrin::qt {

BusyPointer::BusyPointer(QObject* parent) : QObject(parent) {
  waittimer_.setObjectName("waittimer");
  waittimer_.setInterval(ResetMilliseconds);
  connect(&waittimer_, &QTimer::timeout, this, &BusyPointer::Reset);
}

BusyPointer::~BusyPointer() {
  if (showing_) QGuiApplication::restoreOverrideCursor();
}

void BusyPointer::Show() {
  // The override cursors stack: push the hourglass once however often a command asks for it,
  // so a single reset always brings the normal pointer back.
  if (!showing_) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    showing_ = true;
  }
  waittimer_.start();
}

void BusyPointer::Reset() {
  waittimer_.stop();
  if (showing_) {
    QGuiApplication::restoreOverrideCursor();
    showing_ = false;
  }
}

}  // namespace tavrin::qt
