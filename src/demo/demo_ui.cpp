#include "demo/demo_ui.h"

namespace tavrin::demo {

std::string DemoUi::TakeMessages() {
  std::string joined;
  for (const std::string& message : messages_) {
    if (!joined.empty()) joined += "\n";
    joined += message;
  }
  messages_.clear();
  return joined;
}

void DemoUi::ShowMessage(const std::string& text, const std::string&, MessageIcon) {
  messages_.push_back(text);
}

bool DemoUi::AskOkCancel(const std::string&, const std::string&, MessageIcon, DefaultButton) {
  return true;
}

bool DemoUi::AskYesNo(const std::string&, const std::string&, MessageIcon, DefaultButton) {
  return true;
}

// No choice lies on the demo's road; one would be the user's to make.
int DemoUi::AskChoice(const std::string& text, const std::string& caption,
                      const std::vector<std::string>& buttons, int default_button) {
  return outer_.AskChoice(text, caption, buttons, default_button);
}

// The only input box on the demo's road is the new season setup's length of last season.
std::optional<std::string> DemoUi::InputBox(const std::string&, const std::string&,
                                            const std::string&) {
  if (answer_refused_) return std::nullopt;
  return std::to_string(weeks_answer_);
}

void DemoUi::Beep() {
  answer_refused_ = true;
  messages_.push_back("(beep)");
}
void DemoUi::ShowBusyPointer() {}
Printer& DemoUi::ReportPrinter() { return outer_.ReportPrinter(); }
void DemoUi::ShowHelpTopic(const std::string& keyword) { outer_.ShowHelpTopic(keyword); }
void DemoUi::ShowHelpSearch() { outer_.ShowHelpSearch(); }
std::string DemoUi::TodayText() { return outer_.TodayText(); }

}  // namespace tavrin::demo
