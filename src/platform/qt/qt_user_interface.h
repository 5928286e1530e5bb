#pragma once
// The person at the screen, through Qt: message boxes, input boxes, the beep, the busy pointer,
// the report printer and the help window.

#include <QPointer>
#include <filesystem>
#include <memory>

#include "platform/qt/busy_pointer.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/qt_printer.h"
#include "platform/user_interface.h"

class QWidget;

namespace tavrin::qt {

class QtUserInterface : public UserInterface {
 public:
  // Reports that find no printer are saved as PDF files in the data folder.
  explicit QtUserInterface(
      std::filesystem::path folder,
      QtPrinter::Destination destination = QtPrinter::Destination::SystemPrinterWhenAvailable);
  ~QtUserInterface() override;

  // The window dialogs are centred over when no window of the program is active.
  void SetMainWindow(QWidget* window);

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
  void ShowMessageList(const std::string& heading, const std::vector<std::string>& lines,
                       const std::string& caption) override;
  std::optional<std::string> ChooseFileToOpen(const std::string& caption,
                                              const std::string& filter) override;
  std::optional<std::string> ChooseFileToSave(const std::string& caption, const std::string& filter,
                                              const std::string& suggested_name) override;

  QtPrinter& printer() { return printer_; }
  BusyPointer& busy_pointer() { return busy_pointer_; }
  // The help window, made on first use; null until then.
  HelpViewer* help_viewer() const { return help_viewer_; }

 private:
  // The window a message or question stands over: the secondary window in front, whether or not
  // the window system has handed it the focus yet, else the active window, else the main window.
  QWidget* DialogParent() const;
  HelpViewer& Help();

  // The folder the file dialogs open in: the data folder at first, then the last one chosen.
  QString file_dialog_folder_;
  QPointer<QWidget> main_window_;
  QPointer<HelpViewer> help_viewer_;
  BusyPointer busy_pointer_;
  QtPrinter printer_;
};

// The printer setup dialog for the report printer; cancelling it changes nothing, silently.
void ShowPrinterSetup(QtPrinter& printer, QWidget* parent);

}  // namespace tavrin::qt
