#pragma once
// A scripted stand-in for the person at the screen: it records every message, question and
// printer call, and answers questions and input boxes from queues the test fills.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/printer.h"
#include "platform/user_interface.h"

namespace tavrin::testing {

// Everything a printer was asked to do, in order, as readable strings:
// "font:NAME", "size:N", "line:TEXT", "page", "end", and canvas calls "pen:C,W",
// "penstyle:solid|dotted", "lineto:...", "text:X,Y,TEXT".
class RecordingPrinter : public Printer, public Canvas {
 public:
  std::vector<std::string> fonts{"Courier New", "Arial", "Times New Roman"};
  std::string current_font = "Arial";
  // The printable part of a letter page with half-inch margins, in twips.
  double page_width = 10800;
  double page_height = 14400;
  std::vector<std::string> events;

  int FontCount() override;
  std::string FontName(int index) override;
  std::string CurrentFontName() override;
  void SetCurrentFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void PrintLine(const std::string& line) override;
  void NewPage() override;
  void EndDocument() override;
  Canvas& PageCanvas() override;

  void SetPen(int palette_colour, int width) override;
  void SetPenStyle(PenStyle style) override;
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void SetFont(const std::string& name, double points, bool bold) override;
  void DrawText(double x, double y, const std::string& text) override;
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string& text) override;
  double Width() override;
  double Height() override;

  // Only the printed lines, in order.
  std::vector<std::string> Lines() const;
};

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
};

struct AskedQuestion {
  std::string text;
  std::string caption;
  MessageIcon icon;
  DefaultButton default_button;
  bool yes_no;  // false for OK/Cancel
};

class ScriptedUi : public UserInterface {
 public:
  std::vector<ShownMessage> messages;
  std::vector<AskedQuestion> questions;
  std::vector<std::string> input_prompts;
  std::deque<bool> answers;  // next question's answer (true = OK/Yes); an empty queue answers true
  std::deque<int> choices;   // next AskChoice's button; an empty queue takes the default
  std::deque<std::optional<std::string>> inputs;  // next input box's text; empty queue cancels
  int beeps = 0;
  int busy_pointers = 0;
  std::vector<std::string> help_topics;  // "" for the search
  std::string today = "12-06-2026";
  std::deque<std::string> chosen_files;  // the next file dialog's choice; an empty queue cancels
  RecordingPrinter printer;

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon,
                   DefaultButton default_button) override;
  bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                DefaultButton default_button) override;
  int AskChoice(const std::string& text, const std::string& caption,
                const std::vector<std::string>& buttons, int default_button) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& default_text) override;
  void Beep() override;
  void ShowBusyPointer() override;
  Printer& ReportPrinter() override;
  void ShowHelpTopic(const std::string& keyword) override;
  void ShowHelpSearch() override;
  std::string TodayText() override;
  std::optional<std::string> ChooseFileToOpen(const std::string& caption,
                                              const std::string& filter) override;
  std::optional<std::string> ChooseFileToSave(const std::string& caption, const std::string& filter,
                                              const std::string& suggested_name) override;

 private:
  bool NextAnswer();
  std::optional<std::string> NextChosenFile();
};

}  // namespace tavrin::testing
