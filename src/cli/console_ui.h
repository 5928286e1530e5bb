#pragma once
// The person at the screen, as the companion tool plays it: messages go to standard error, a
// question nobody scripted takes its default button, an input box nobody scripted is cancelled,
// and printed lines go to standard output. ScriptedAnswers lets a command answer for the user.

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/canvas.h"
#include "platform/printer.h"
#include "platform/user_interface.h"

namespace tavrin::cli {

// Lines "printed" by the tool go to a stream; there is no paper, so drawings are dropped.
class StreamPrinter : public Printer, public Canvas {
 public:
  explicit StreamPrinter(std::ostream& out) : out_(out) {}

  int FontCount() override { return 0; }
  std::string FontName(int) override { return {}; }
  std::string CurrentFontName() override { return font_; }
  void SetCurrentFontName(const std::string& name) override { font_ = name; }
  void SetFontSize(double) override {}
  void PrintLine(const std::string& line) override;
  void NewPage() override;
  void EndDocument() override {}
  Canvas& PageCanvas() override { return *this; }

  void SetPen(int, int) override {}
  void SetPenStyle(PenStyle) override {}
  void DrawLine(double, double, double, double) override {}
  void SetFont(const std::string&, double, bool) override {}
  void DrawText(double, double, const std::string&) override {}
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string&) override;
  double Width() override { return 0; }
  double Height() override { return 0; }

 private:
  std::ostream& out_;
  std::string font_;
};

// A message as the console shows it: the "\n\r" line breaks of the program's messages become
// plain new lines.
std::string ConsoleText(const std::string& message);

class ConsoleUi : public UserInterface {
 public:
  ConsoleUi(std::ostream& messages, std::ostream& printed);

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon,
                   DefaultButton default_button) override;
  bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                DefaultButton default_button) override;
  int AskChoice(const std::string& text, const std::string& caption,
                const std::vector<std::string>& buttons, int default_button) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& default_text) override;
  void Beep() override {}
  void ShowBusyPointer() override {}
  Printer& ReportPrinter() override { return printer_; }
  void ShowHelpTopic(const std::string& keyword) override;
  void ShowHelpSearch() override;
  std::string TodayText() override;

 private:
  bool UnscriptedQuestion(const std::string& text, DefaultButton default_button);

  std::ostream& messages_;
  StreamPrinter printer_;
};

// Answers the questions and input boxes of one command from its options, in order; everything
// else, and any question beyond the answers given, goes to the wrapped interface.
class ScriptedAnswers : public UserInterface {
 public:
  explicit ScriptedAnswers(UserInterface& inner) : inner_(inner) {}

  std::deque<bool> answers;        // true = OK / Yes
  std::deque<std::string> inputs;  // each answer is used once

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    inner_.ShowMessage(text, caption, icon);
  }
  bool AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon,
                   DefaultButton default_button) override;
  bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                DefaultButton default_button) override;
  int AskChoice(const std::string& text, const std::string& caption,
                const std::vector<std::string>& buttons, int default_button) override {
    return inner_.AskChoice(text, caption, buttons, default_button);
  }
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& default_text) override;
  void Beep() override { inner_.Beep(); }
  void ShowBusyPointer() override { inner_.ShowBusyPointer(); }
  Printer& ReportPrinter() override { return inner_.ReportPrinter(); }
  void ShowHelpTopic(const std::string& keyword) override { inner_.ShowHelpTopic(keyword); }
  void ShowHelpSearch() override { inner_.ShowHelpSearch(); }
  std::string TodayText() override { return inner_.TodayText(); }

 private:
  std::optional<bool> NextAnswer();

  UserInterface& inner_;
};

}  // namespace tavrin::cli
