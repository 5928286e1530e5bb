// The Qt platform layer: dialogs, the busy pointer, the printer's PDF jobs and the help window.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "platform/canvas.h"
#include "platform/qt/help_topics.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_user_interface.h"
#include "support/temp_folder.h"

using namespace tavrin;
using namespace tavrin::qt;

namespace {

// Runs the check on the modal dialog once it is up, then presses the named button.
void OnNextDialog(std::function<void(QMessageBox&)> check, QMessageBox::StandardButton press) {
  QTimer::singleShot(0, [check = std::move(check), press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    check(*box);
    box->button(press)->click();
  });
}

int PdfPageCount(const std::filesystem::path& file) {
  const std::string bytes = testing::ReadFileBytes(file);
  const auto at = bytes.find("/Type /Pages");
  if (at == std::string::npos) return -1;
  const auto count = bytes.find("/Count ", at);
  return count == std::string::npos ? -1 : std::stoi(bytes.substr(count + 7));
}

// The colours (red green blue, 0 to 1) a PDF's pages paint with.
QSet<QString> PageColours(const std::filesystem::path& file) {
  const QByteArray bytes = QByteArray::fromStdString(testing::ReadFileBytes(file));
  static const QRegularExpression colour(R"(([\d.]+ [\d.]+ [\d.]+) (?:scn|SCN|rg|RG)\b)");
  QSet<QString> colours;
  for (qsizetype at = bytes.indexOf("stream\n"); at >= 0; at = bytes.indexOf("stream\n", at)) {
    at += 7;
    const qsizetype end = bytes.indexOf("endstream", at);
    // qUncompress reads zlib data after a four-byte size, which only has to be a first guess.
    const QByteArray page = qUncompress(QByteArray("\0\0\x10\0", 4) + bytes.mid(at, end - at));
    if (!page.contains(" Tj")) continue;
    for (const auto& match : colour.globalMatch(QString::fromLatin1(page))) {
      colours.insert(match.captured(1));
    }
  }
  return colours;
}

}  // namespace

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  // Catches a colour display taken for a low-colour one, or an unknown depth taken for low.
  void LowColourDisplaysAreThoseOfFewerThanEightBits() {
    for (const int bits : {4, 7}) QVERIFY2(!IsColourDepth(bits), qPrintable(QString::number(bits)));
    for (const int bits : {8, 24, 0})
      QVERIFY2(IsColourDepth(bits), qPrintable(QString::number(bits)));
  }

  // Catches CR LF line ends shown doubled, and a question's icon or default button lost.
  void DialogsShowTheirLinesIconsAndDefaultButtons() {
    QtUserInterface ui(".", QtPrinter::Destination::PdfFile);
    OnNextDialog(
        [](QMessageBox& box) {
          QCOMPARE(box.windowTitle(), QString("Tavrin Loading...."));
          QCOMPARE(box.icon(), QMessageBox::Warning);
          QCOMPARE(box.text(), QString("Cannot Load.\nPlease exit.\n\n"));
        },
        QMessageBox::Ok);
    ui.ShowMessage("Cannot Load.\n\rPlease exit.\n\r\n\r", "Tavrin Loading....",
                   MessageIcon::Exclamation);
    const auto question = [](QMessageBox::Icon icon, QMessageBox::StandardButton default_button) {
      return [icon, default_button](QMessageBox& box) {
        QCOMPARE(box.defaultButton(), box.button(default_button));
        QCOMPARE(box.icon(), icon);
      };
    };
    OnNextDialog(question(QMessageBox::Information, QMessageBox::Cancel), QMessageBox::Ok);
    QVERIFY(ui.AskOkCancel("Ready?", "Tavrin", MessageIcon::Information, DefaultButton::Second));
    OnNextDialog(question(QMessageBox::Critical, QMessageBox::Yes), QMessageBox::No);
    QVERIFY(!ui.AskYesNo("Sure?", "Tavrin", MessageIcon::Critical, DefaultButton::First));
  }

  // Catches a message over the main window, which leaves the secondary window in front keyless.
  void MessagesStandOverTheWindowInFront() {
    QtUserInterface ui(".", QtPrinter::Destination::PdfFile);
    QWidget main_window;
    ui.SetMainWindow(&main_window);
    main_window.show();
    auto* in_front = new QDialog(&main_window);
    in_front->setWindowModality(Qt::WindowModal);
    in_front->show();
    QApplication::setActiveWindow(&main_window);
    OnNextDialog([in_front](QMessageBox& box) { QCOMPARE(box.parentWidget(), in_front); },
                 QMessageBox::Ok);
    ui.ShowMessage("Saved.", "Tavrin", MessageIcon::Information);
    in_front->close();
    OnNextDialog([&main_window](QMessageBox& box) { QCOMPARE(box.parentWidget(), &main_window); },
                 QMessageBox::Ok);
    ui.ShowMessage("Saved.", "Tavrin", MessageIcon::Information);
  }

  void BusyPointerIsResetByTheWaitTimer() {
    BusyPointer busy;
    busy.Show();
    busy.Show();  // a command inside a command: still one reset brings the pointer back
    const QCursor* pointer = QGuiApplication::overrideCursor();
    QVERIFY(pointer != nullptr && pointer->shape() == Qt::WaitCursor);
    QTRY_VERIFY_WITH_TIMEOUT(!busy.IsShowing(), 2000);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  }

  // Catches a failed job not said, or its failure kept for the next, which is a PDF of its name;
  // and a drawing in colour colouring the jobs after it: every job starts in black.
  void PrinterJobsBecomeNamedPdfsInBlackOrSayWhyNot() {
    testing::TempFolder scratch;
    const auto folder = scratch.path() / "made later";
    std::vector<std::string> notices;
    QtPrinter printer(
        folder, [&](const std::string& m) { notices.push_back(m); },
        QtPrinter::Destination::PdfFile);
    printer.PrintLine("one");
    printer.EndDocument();
    QCOMPARE(notices.size(), std::size_t{1});
    QVERIFY(notices[0].rfind("Unable to write the report", 0) == 0);

    std::filesystem::create_directory(folder);
    const auto print_lines = [&printer](const std::string& name, int lines) {
      printer.SetJobName(name);
      printer.SetFontSize(15);
      for (int line = 0; line < lines; ++line) printer.PrintLine("Line " + std::to_string(line));
      printer.EndDocument();
    };
    print_lines("Tavrin Standings", 80);
    const auto pdf = folder / "Tavrin Standings.pdf";
    QVERIFY2(PdfPageCount(pdf) >= 2, "80 lines at 15 points need a second page");
    QCOMPARE(notices.size(), std::size_t{2});
    QVERIFY(notices[1].find(pdf.string()) != std::string::npos);
    QCOMPARE(printer.JobName(), std::string("Tavrin Report"));

    printer.SetJobName("drawing");
    Canvas& page = printer.PageCanvas();
    page.SetPen(12, 3);
    page.DrawLine(0, 0, 5000, 5000);
    page.SetFont("", 12, false);
    page.DrawText(1000, 1000, "red text");
    printer.EndDocument();
    print_lines("second", 5);
    QCOMPARE(PageColours(pdf), QSet<QString>{"0 0 0"});
    QVERIFY(PageColours(folder / "drawing.pdf").contains("1 0 0"));
    QCOMPARE(PageColours(folder / "second.pdf"), QSet<QString>{"0 0 0"});
  }

  // Every keyword the windows and the index use reaches a section the document has.
  void EveryHelpTopicOpensItsSectionAndTheWindowClosesByItsKeys() {
    HelpViewer viewer;  // loads the document's resource
    QFile document(QUrl(HelpDocumentUrl).path().prepend(':'));
    QVERIFY(document.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(document.readAll());
    for (const HelpTopic& topic : HelpTopics()) {
      QVERIFY2(text.contains(QStringLiteral("<a name=\"%1\">").arg(topic.anchor)),
               qPrintable(topic.keyword));
      viewer.OpenAtKeyword(topic.keyword);
      QCOMPARE(viewer.CurrentAnchor(), topic.anchor);
    }
    // An unknown keyword opens the contents; Escape closes the window as Close does.
    viewer.OpenAtKeyword("No Such Topic");
    QCOMPARE(viewer.CurrentAnchor(), QString("contents"));
    QCOMPARE(viewer.findChild<QLineEdit*>("searchbox")->text(), QString("No Such Topic"));

    viewer.OpenSearch();
    QApplication::setActiveWindow(&viewer);
    QTest::keyClick(&viewer, Qt::Key_Escape);
    QVERIFY(!viewer.isVisible());
    viewer.OpenSearch();
    viewer.findChild<QPushButton*>("donebutton")->click();
    QVERIFY(!viewer.isVisible());
  }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
