#include "cli/console_ui.h"

#include <fmt/format.h>

#include <ctime>
#include <ostream>

namespace tavrin::cli {

namespace {

// The report printer's fixed-pitch cell in twips, so that layout arithmetic still works.
constexpr double CharacterWidth = 120.0;
constexpr double LineHeight = 240.0;

}  // namespace

void StreamPrinter::PrintLine(const std::string& line) { out_ << line << '\n'; }
void StreamPrinter::NewPage() { out_ << '\f'; }
double StreamPrinter::TextWidth(const std::string& text) {
  return CharacterWidth * static_cast<double>(text.size());
}
double StreamPrinter::TextHeight(const std::string&) { return LineHeight; }

std::string ConsoleText(const std::string& message) {
  std::string text;
  text.reserve(message.size());
  for (std::size_t at = 0; at < message.size(); ++at) {
    if (message.compare(at, 2, "\n\r") == 0) {
      text += '\n';
      ++at;
    } else {
      text += message[at];
    }
  }
  return text;
}

ConsoleUi::ConsoleUi(std::ostream& messages, std::ostream& printed)
    : messages_(messages), printer_(printed) {}

void ConsoleUi::ShowMessage(const std::string& text, const std::string&, MessageIcon) {
  messages_ << ConsoleText(text) << '\n';
}

bool ConsoleUi::UnscriptedQuestion(const std::string& text, DefaultButton default_button) {
  const bool first = default_button == DefaultButton::First;
  messages_ << ConsoleText(text) << '\n'
            << "(no answer given: taking the default, " << (first ? "yes" : "no") << ")\n";
  return first;
}

bool ConsoleUi::AskOkCancel(const std::string& text, const std::string&, MessageIcon,
                            DefaultButton default_button) {
  return UnscriptedQuestion(text, default_button);
}

bool ConsoleUi::AskYesNo(const std::string& text, const std::string&, MessageIcon,
                         DefaultButton default_button) {
  return UnscriptedQuestion(text, default_button);
}

int ConsoleUi::AskChoice(const std::string& text, const std::string&,
                         const std::vector<std::string>& buttons, int default_button) {
  const bool known = default_button >= 0 && default_button < static_cast<int>(buttons.size());
  messages_ << ConsoleText(text) << '\n'
            << "(no answer given: taking the default, "
            << (known ? buttons[static_cast<std::size_t>(default_button)] : std::string()) << ")\n";
  return default_button;
}

std::optional<std::string> ConsoleUi::InputBox(const std::string& prompt, const std::string&,
                                               const std::string&) {
  messages_ << ConsoleText(prompt) << '\n' << "(no answer given: cancelled)\n";
  return std::nullopt;
}

void ConsoleUi::ShowHelpTopic(const std::string& keyword) {
  messages_ << "Help is not available in tavrin-cli (topic \"" << keyword << "\").\n";
}

void ConsoleUi::ShowHelpSearch() { messages_ << "Help is not available in tavrin-cli.\n"; }

std::string ConsoleUi::TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return fmt::format("{:02}-{:02}-{:04}", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
}

std::optional<bool> ScriptedAnswers::NextAnswer() {
  if (answers.empty()) return std::nullopt;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedAnswers::AskOkCancel(const std::string& text, const std::string& caption,
                                  MessageIcon icon, DefaultButton default_button) {
  const auto answer = NextAnswer();
  return answer ? *answer : inner_.AskOkCancel(text, caption, icon, default_button);
}

bool ScriptedAnswers::AskYesNo(const std::string& text, const std::string& caption,
                               MessageIcon icon, DefaultButton default_button) {
  const auto answer = NextAnswer();
  return answer ? *answer : inner_.AskYesNo(text, caption, icon, default_button);
}

std::optional<std::string> ScriptedAnswers::InputBox(const std::string& prompt,
                                                     const std::string& title,
                                                     const std::string& default_text) {
  if (inputs.empty()) return inner_.InputBox(prompt, title, default_text);
  std::string answer = std::move(inputs.front());
  inputs.pop_front();
  return answer;
}

}  // namespace tavrin::cli
