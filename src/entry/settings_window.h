#pragma once
// The settings window `Settingsform` (working year, season length, the two rating settings)
// and, opened from it, the report font window `Setfont`.

#include <QWidget>

#include "platform/session.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace tavrin {

class SettingsWindow : public QWidget {
 public:
  explicit SettingsWindow(Session& session);

 private:
  QWidget* BuildScroll(const char* name, const char* caption, int minimum, int maximum,
                       float setting, QScrollBar*& scroll, QLabel*& value_label);
  void OnAccept();

  Session& session_;
  QLineEdit* Text1_;
  QLineEdit* weekstext_;
  QScrollBar* Reactivityscroll_ = nullptr;
  QScrollBar* Weightingscroll_ = nullptr;
  QLabel* Reactlabel_ = nullptr;
  QLabel* OffDeflabel_ = nullptr;
};

class ReportFontWindow : public QWidget {
 public:
  explicit ReportFontWindow(Session& session);

 private:
  void OnDone();

  Session& session_;
  QLabel* fontlabel_;
  QListWidget* font_list_;
};

// The "Tavrin Settings" command: opens the settings window in front of `main_window`.
SettingsWindow* OpenSettingsWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
