#pragma once
// What a command may ask of the person at the screen. The Qt front end implements it with real
// dialogs; tests and the companion tool implement it with scripts. Text is Latin-1 bytes, and a
// line break inside a message is "\n\r", as the messages are written.

#include <optional>
#include <string>
#include <vector>

namespace tavrin {

class Printer;

enum class MessageIcon { None, Exclamation, Information, Critical };
enum class DefaultButton { First, Second };  // OK or Yes is the first button

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageIcon icon) = 0;
  // True for OK.
  virtual bool AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon,
                           DefaultButton default_button) = 0;
  // True for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                        DefaultButton default_button) = 0;
  // One of several buttons named by `buttons`: the index of the one chosen. Escape or the close
  // box choose the last button.
  virtual int AskChoice(const std::string& text, const std::string& caption,
                        const std::vector<std::string>& buttons, int default_button) = 0;
  // The typed text, or nothing when the user cancels.
  virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                              const std::string& default_text) = 0;
  virtual void Beep() = 0;
  // The hourglass pointer; the front end puts the normal pointer back shortly afterwards.
  virtual void ShowBusyPointer() = 0;
  virtual Printer& ReportPrinter() = 0;
  virtual void ShowHelpTopic(const std::string& keyword) = 0;
  virtual void ShowHelpSearch() = 0;
  // The system date as "MM-DD-YYYY", for the date lines of printouts.
  virtual std::string TodayText() = 0;

  // Many lines at once (every problem of an imported file) under a heading: one scrollable
  // window rather than a box each. Where there is no such window, one message holds them all.
  virtual void ShowMessageList(const std::string& heading, const std::vector<std::string>& lines,
                               const std::string& caption) {
    std::string text = heading;
    for (const std::string& line : lines) text += "\n\r" + line;
    ShowMessage(text, caption, MessageIcon::Exclamation);
  }
  // The standard file dialogs: the file to read or to write, or nothing when the user cancels
  // or there is no one to ask. `filter` is as "CSV files (*.csv)".
  virtual std::optional<std::string> ChooseFileToOpen(const std::string& /*caption*/,
                                                      const std::string& /*filter*/) {
    return std::nullopt;
  }
  virtual std::optional<std::string> ChooseFileToSave(const std::string& /*caption*/,
                                                      const std::string& /*filter*/,
                                                      const std::string& /*suggested_name*/) {
    return std::nullopt;
  }
};

}  // namespace tavrin
