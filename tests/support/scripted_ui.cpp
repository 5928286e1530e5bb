#include "support/scripted_ui.h"

#include <fmt/format.h>

namespace tavrin::testing {

int RecordingPrinter::FontCount() { return static_cast<int>(fonts.size()); }
std::string RecordingPrinter::FontName(int index) {
  return index >= 0 && index < FontCount() ? fonts[static_cast<std::size_t>(index)] : "";
}
std::string RecordingPrinter::CurrentFontName() { return current_font; }
void RecordingPrinter::SetCurrentFontName(const std::string& name) {
  current_font = name;
  events.push_back("font:" + name);
}
void RecordingPrinter::SetFontSize(double points) {
  events.push_back(fmt::format("size:{}", points));
}
void RecordingPrinter::PrintLine(const std::string& line) { events.push_back("line:" + line); }
void RecordingPrinter::NewPage() { events.push_back("page"); }
void RecordingPrinter::EndDocument() { events.push_back("end"); }
Canvas& RecordingPrinter::PageCanvas() { return *this; }

void RecordingPrinter::SetPen(int palette_colour, int width) {
  events.push_back(fmt::format("pen:{},{}", palette_colour, width));
}
void RecordingPrinter::SetPenStyle(PenStyle style) {
  events.push_back(style == PenStyle::Dotted ? "penstyle:dotted" : "penstyle:solid");
}
void RecordingPrinter::DrawLine(double x1, double y1, double x2, double y2) {
  events.push_back(fmt::format("lineto:{},{},{},{}", x1, y1, x2, y2));
}
void RecordingPrinter::SetFont(const std::string& name, double points, bool bold) {
  events.push_back(fmt::format("canvasfont:{},{},{}", name, points, bold ? "bold" : "plain"));
}
void RecordingPrinter::DrawText(double x, double y, const std::string& text) {
  events.push_back(fmt::format("text:{},{},{}", x, y, text));
}
// A fixed-pitch guess: 120 twips a character, 240 a line, enough for layout arithmetic.
double RecordingPrinter::TextWidth(const std::string& text) {
  return 120.0 * static_cast<double>(text.size());
}
double RecordingPrinter::TextHeight(const std::string&) { return 240.0; }
double RecordingPrinter::Width() { return page_width; }
double RecordingPrinter::Height() { return page_height; }

std::vector<std::string> RecordingPrinter::Lines() const {
  std::vector<std::string> lines;
  for (const auto& event : events) {
    if (event.rfind("line:", 0) == 0) lines.push_back(event.substr(5));
  }
  return lines;
}

void ScriptedUi::ShowMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) {
  messages.push_back({text, caption, icon});
}

std::optional<std::string> ScriptedUi::NextChosenFile() {
  if (chosen_files.empty()) return std::nullopt;
  std::string file = chosen_files.front();
  chosen_files.pop_front();
  return file;
}

std::optional<std::string> ScriptedUi::ChooseFileToOpen(const std::string&, const std::string&) {
  return NextChosenFile();
}

std::optional<std::string> ScriptedUi::ChooseFileToSave(const std::string&, const std::string&,
                                                        const std::string&) {
  return NextChosenFile();
}

bool ScriptedUi::NextAnswer() {
  if (answers.empty()) return true;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedUi::AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon,
                             DefaultButton default_button) {
  questions.push_back({text, caption, icon, default_button, false});
  return NextAnswer();
}

bool ScriptedUi::AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                          DefaultButton default_button) {
  questions.push_back({text, caption, icon, default_button, true});
  return NextAnswer();
}

int ScriptedUi::AskChoice(const std::string& text, const std::string& caption,
                          const std::vector<std::string>&, int default_button) {
  questions.push_back({text, caption, MessageIcon::None, DefaultButton::First, false});
  if (choices.empty()) return default_button;
  const int choice = choices.front();
  choices.pop_front();
  return choice;
}

std::optional<std::string> ScriptedUi::InputBox(const std::string& prompt, const std::string&,
                                                const std::string&) {
  input_prompts.push_back(prompt);
  if (inputs.empty()) return std::nullopt;
  auto text = inputs.front();
  inputs.pop_front();
  return text;
}

void ScriptedUi::Beep() { ++beeps; }
void ScriptedUi::ShowBusyPointer() { ++busy_pointers; }
Printer& ScriptedUi::ReportPrinter() { return printer; }
void ScriptedUi::ShowHelpTopic(const std::string& keyword) { help_topics.push_back(keyword); }
void ScriptedUi::ShowHelpSearch() { help_topics.emplace_back(); }
std::string ScriptedUi::TodayText() { return today; }

}  // namespace tavrin::testing
