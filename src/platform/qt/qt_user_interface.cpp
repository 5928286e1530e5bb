#include "platform/qt/qt_user_interface.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/messages.h"
#include "platform/qt/latin1_text.h"

namespace tavrin::qt {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// A modal box with two buttons; true when the first (OK or Yes) is chosen.
bool AskTwoButtons(QWidget* parent, const std::string& text, const std::string& caption,
                   MessageIcon icon, QMessageBox::StandardButton first,
                   QMessageBox::StandardButton second, DefaultButton default_button) {
  QMessageBox box(BoxIcon(icon), FromLatin1(caption), MessageText(text), first | second, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(default_button == DefaultButton::First ? first : second);
  box.setEscapeButton(second);
  return box.exec() == first;
}

}  // namespace

QtUserInterface::QtUserInterface(std::filesystem::path folder, QtPrinter::Destination destination)
    : file_dialog_folder_(QFile::decodeName(folder.c_str())),
      printer_(
          std::move(folder),
          [this](const std::string& message) {
            ShowMessage(message, ProgramCaption, MessageIcon::Information);
          },
          destination) {}

QtUserInterface::~QtUserInterface() { delete help_viewer_.data(); }

void QtUserInterface::SetMainWindow(QWidget* window) { main_window_ = window; }

QWidget* QtUserInterface::DialogParent() const {
  if (QWidget* in_front = QApplication::activeModalWidget()) return in_front;
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : main_window_.data();
}

void QtUserInterface::ShowMessage(const std::string& text, const std::string& caption,
                                  MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), FromLatin1(caption), MessageText(text), QMessageBox::Ok,
                  DialogParent());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool QtUserInterface::AskOkCancel(const std::string& text, const std::string& caption,
                                  MessageIcon icon, DefaultButton default_button) {
  return AskTwoButtons(DialogParent(), text, caption, icon, QMessageBox::Ok, QMessageBox::Cancel,
                       default_button);
}

bool QtUserInterface::AskYesNo(const std::string& text, const std::string& caption,
                               MessageIcon icon, DefaultButton default_button) {
  return AskTwoButtons(DialogParent(), text, caption, icon, QMessageBox::Yes, QMessageBox::No,
                       default_button);
}

int QtUserInterface::AskChoice(const std::string& text, const std::string& caption,
                               const std::vector<std::string>& buttons, int default_button) {
  QMessageBox box(QMessageBox::Question, FromLatin1(caption), MessageText(text),
                  QMessageBox::NoButton, DialogParent());
  box.setTextFormat(Qt::PlainText);
  std::vector<QPushButton*> added;
  for (std::size_t index = 0; index < buttons.size(); ++index) {
    const bool last = index + 1 == buttons.size();
    added.push_back(box.addButton(FromLatin1(buttons[index]),
                                  last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  if (added.empty()) return -1;
  if (default_button >= 0 && default_button < static_cast<int>(added.size())) {
    box.setDefaultButton(added[static_cast<std::size_t>(default_button)]);
  }
  box.setEscapeButton(added.back());
  box.exec();
  const auto chosen = std::find(added.begin(), added.end(), box.clickedButton());
  return chosen == added.end() ? static_cast<int>(added.size()) - 1
                               : static_cast<int>(chosen - added.begin());
}

std::optional<std::string> QtUserInterface::InputBox(const std::string& prompt,
                                                     const std::string& title,
                                                     const std::string& default_text) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(DialogParent(), FromLatin1(title), MessageText(prompt),
                            QLineEdit::Normal, FromLatin1(default_text), &accepted);
  if (!accepted) return std::nullopt;
  return ToLatin1(text);
}

void QtUserInterface::Beep() { QApplication::beep(); }

void QtUserInterface::ShowBusyPointer() { busy_pointer_.Show(); }

Printer& QtUserInterface::ReportPrinter() { return printer_; }

HelpViewer& QtUserInterface::Help() {
  // A window of its own, not a child of the main window: help must stay usable while the
  // main window is disabled behind a secondary window that asks for it.
  if (!help_viewer_) help_viewer_ = new HelpViewer(nullptr);
  return *help_viewer_;
}

void QtUserInterface::ShowHelpTopic(const std::string& keyword) {
  Help().OpenAtKeyword(FromLatin1(keyword));
}

void QtUserInterface::ShowHelpSearch() { Help().OpenSearch(); }

std::string QtUserInterface::TodayText() {
  return ToLatin1(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
}

void ShowPrinterSetup(QtPrinter& printer, QWidget* parent) {
  QPageSetupDialog dialog(&printer.Device(), parent);
  dialog.setWindowTitle("Printer Setup");
  // The dialog keeps what the user accepts in the printer; a cancel keeps nothing.
  if (dialog.exec() == QDialog::Accepted) printer.RememberSetup();
}

void QtUserInterface::ShowMessageList(const std::string& heading,
                                      const std::vector<std::string>& lines,
                                      const std::string& caption) {
  QDialog dialog(DialogParent());
  dialog.setObjectName("MessageListDialog");
  dialog.setWindowTitle(FromLatin1(caption));
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(MessageText(heading), &dialog);
  label->setTextFormat(Qt::PlainText);
  layout->addWidget(label);
  auto* list = new QPlainTextEdit(&dialog);
  list->setObjectName("MessageList");
  list->setReadOnly(true);
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  QStringList text;
  for (const std::string& line : lines) text << FromLatin1(line);
  list->setPlainText(text.join('\n'));
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  // Wide enough for a file name, a line number and a sentence; a long list scrolls.
  dialog.resize(list->fontMetrics().averageCharWidth() * 90, 360);
  dialog.exec();
}

std::optional<std::string> QtUserInterface::ChooseFileToOpen(const std::string& caption,
                                                             const std::string& filter) {
  const QString file = QFileDialog::getOpenFileName(DialogParent(), FromLatin1(caption),
                                                    file_dialog_folder_, FromLatin1(filter));
  if (file.isEmpty()) return std::nullopt;
  file_dialog_folder_ = QFileInfo(file).absolutePath();
  return QFile::encodeName(file).toStdString();
}

std::optional<std::string> QtUserInterface::ChooseFileToSave(const std::string& caption,
                                                             const std::string& filter,
                                                             const std::string& suggested_name) {
  const QString file = QFileDialog::getSaveFileName(
      DialogParent(), FromLatin1(caption), file_dialog_folder_ + '/' + FromLatin1(suggested_name),
      FromLatin1(filter));
  if (file.isEmpty()) return std::nullopt;
  file_dialog_folder_ = QFileInfo(file).absolutePath();
  return QFile::encodeName(file).toStdString();
}

}  // namespace tavrin::qt
