#pragma once
// The settings window `Settingsform` (working year, season length, the two rating settings)
// and, opened from it, the report font window `Setfont`.

#include <QDialog>

#include "platform/session.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace tavrin {

class SettingsWindow : public QDialog {
 public:
  SettingsWindow(Session& session, QWidget* owner);

  // Settings changed but not accepted are dropped only when the user agrees; dropped, the
  // store's rating settings go back to what they were.
  void reject() override;

 private:
  QWidget* BuildScroll(const char* name, const char* caption, int minimum, int maximum,
                       float setting, QScrollBar*& scroll, QLabel*& value_label);
  void OnAccept();

  Session& session_;
  float reactivity_at_open_;
  float weighting_at_open_;
  bool typed_ = false;  // a box typed in or a bar moved since the window opened
  QLineEdit* year_box_;
  QLineEdit* weeks_box_;
  QScrollBar* reactivity_bar_ = nullptr;
  QScrollBar* weighting_bar_ = nullptr;
  QLabel* reactivity_label_ = nullptr;
  QLabel* weighting_label_ = nullptr;
};

class ReportFontWindow : public QDialog {
 public:
  ReportFontWindow(Session& session, QWidget* owner);

 private:
  void OnDone();

  Session& session_;
  QLabel* font_label_;
  QListWidget* font_list_;
};

// The "Tavrin Settings" command: opens the settings window in front of `main_window`.
SettingsWindow* OpenSettingsWindow(Session& session, QWidget* main_window);

}  // namespace tavrin
