#pragma once
// The person at the screen, scripted: records what it is shown and answers from queues.

#include <fmt/format.h>

#include <deque>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/canvas.h"
#include "platform/printer.h"
#include "platform/user_interface.h"

namespace tavrin::testing {

// Everything a printer was asked to do, in order, as readable strings:
// "font:NAME", "size:N", "line:TEXT", "page", "end", and canvas calls "pen:C,W",
// "penstyle:solid|dotted", "lineto:...", "canvasfont:NAME,N,bold|plain", "text:X,Y,TEXT".
class RecordingPrinter : public Printer, public Canvas {
 public:
  std::vector<std::string> fonts{"Courier New", "Arial", "Times New Roman"};
  std::string current_font = "Arial";
  // The printable part of a letter page with half-inch margins, in twips.
  double page_width = 10800;
  double page_height = 14400;
  std::vector<std::string> events;

  int FontCount() override { return static_cast<int>(fonts.size()); }
  std::string FontName(int index) override {
    return index >= 0 && index < FontCount() ? fonts[static_cast<std::size_t>(index)] : "";
  }
  std::string CurrentFontName() override { return current_font; }
  void SetCurrentFontName(const std::string& name) override {
    current_font = name;
    events.push_back("font:" + name);
  }
  void SetFontSize(double points) override { events.push_back(fmt::format("size:{}", points)); }
  void PrintLine(const std::string& line) override { events.push_back("line:" + line); }
  void NewPage() override { events.push_back("page"); }
  void EndDocument() override { events.push_back("end"); }
  Canvas& PageCanvas() override { return *this; }

  void SetPen(int colour, int width) override {
    events.push_back(fmt::format("pen:{},{}", colour, width));
  }
  void SetPenStyle(PenStyle style) override {
    events.push_back(style == PenStyle::Dotted ? "penstyle:dotted" : "penstyle:solid");
  }
  void DrawLine(double x1, double y1, double x2, double y2) override {
    events.push_back(fmt::format("lineto:{},{},{},{}", x1, y1, x2, y2));
  }
  void SetFont(const std::string& name, double points, bool bold) override {
    events.push_back(fmt::format("canvasfont:{},{},{}", name, points, bold ? "bold" : "plain"));
  }
  void DrawText(double x, double y, const std::string& text) override {
    events.push_back(fmt::format("text:{},{},{}", x, y, text));
  }
  // A fixed-pitch guess: 120 twips a character, 240 a line, enough for layout arithmetic.
  double TextWidth(const std::string& text) override {
    return 120.0 * static_cast<double>(text.size());
  }
  double TextHeight(const std::string&) override { return 240.0; }
  double Width() override { return page_width; }
  double Height() override { return page_height; }
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
  RecordingPrinter printer;

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    messages.push_back({text, caption, icon});
  }
  bool AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon,
                   DefaultButton default_button) override {
    questions.push_back({text, caption, icon, default_button, false});
    return Next(answers, true);
  }
  bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                DefaultButton default_button) override {
    questions.push_back({text, caption, icon, default_button, true});
    return Next(answers, true);
  }
  int AskChoice(const std::string& text, const std::string& caption,
                const std::vector<std::string>&, int default_button) override {
    questions.push_back({text, caption, MessageIcon::None, DefaultButton::First, false});
    return Next(choices, default_button);
  }
  std::optional<std::string> InputBox(const std::string& prompt, const std::string&,
                                      const std::string&) override {
    input_prompts.push_back(prompt);
    return Next(inputs, std::nullopt);
  }
  void Beep() override { ++beeps; }
  void ShowBusyPointer() override { ++busy_pointers; }
  Printer& ReportPrinter() override { return printer; }
  void ShowHelpTopic(const std::string& keyword) override { help_topics.push_back(keyword); }
  void ShowHelpSearch() override { help_topics.emplace_back(); }
  std::string TodayText() override { return "12-06-2026"; }

  // The text of the one message shown, or how many there were when not one.
  std::string OnlyMessage() const {
    return messages.size() == 1 ? messages[0].text : fmt::format("({} messages)", messages.size());
  }

 private:
  template <typename T>
  static T Next(std::deque<T>& queue, std::type_identity_t<T> when_empty) {
    if (queue.empty()) return when_empty;
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
  }
};

}  // namespace tavrin::testing
