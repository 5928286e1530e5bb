#pragma once
// The person at the screen while the demo season is made: it answers the program's questions as
// a user setting up a season would (Yes to go on, the weeks of last season when asked) and keeps
// every message, so the maker can tell a command's refusal from its confirmation. Printing and
// help go to the real user interface.

#include <optional>
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace tavrin::demo {

class DemoUi : public UserInterface {
 public:
  DemoUi(UserInterface& outer, int weeks_answer) : outer_(outer), weeks_answer_(weeks_answer) {}

  // Messages shown since the last TakeMessages(), joined by line breaks.
  std::string TakeMessages();

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

 private:
  UserInterface& outer_;
  int weeks_answer_;
  std::vector<std::string> messages_;
  bool answer_refused_ = false;  // a beep after an answer: cancel rather than ask forever
};

}  // namespace tavrin::demo
