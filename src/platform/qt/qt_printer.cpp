#include "platform/qt/qt_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/qt/latin1_text.h"

namespace tavrin::qt {
namespace {

constexpr const char* DefaultJobName = "Tavrin Report";
constexpr double LineAdvanceEms = 1.15;
constexpr double BaselineEms = 0.9;

// A job name as a file name: no folder separators, nothing hidden.
std::string FileNameFor(const std::string& job_name) {
  std::string name = job_name.empty() ? DefaultJobName : job_name;
  std::replace(name.begin(), name.end(), '/', '-');
  if (name.front() == '.') name.front() = '_';
  return name + ".pdf";
}

}  // namespace

std::vector<std::string> PrinterFontNames() {
  // With no report font chosen, a report prints in the first font of the list that is not the
  // current one, so the list leads with the fixed-pitch fonts (the desktop's own first) that
  // keep report columns straight, and leaves out symbol fonts that cannot write the reports.
  const QString preferred = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  QStringList fixed_pitch;
  QStringList proportional;
  for (const QString& family : QFontDatabase::families(QFontDatabase::Latin)) {
    if (QFontDatabase::isPrivateFamily(family)) continue;
    QStringList& group = QFontDatabase::isFixedPitch(family) ? fixed_pitch : proportional;
    if (family == preferred) {
      group.prepend(family);
    } else {
      group.append(family);
    }
  }
  std::vector<std::string> names;
  for (const QStringList* group : {&fixed_pitch, &proportional}) {
    for (const QString& family : *group) names.push_back(ToLatin1(family));
  }
  return names;
}

QtPrinter::QtPrinter(std::filesystem::path folder, Notice notice, Destination destination)
    : folder_(std::move(folder)),
      notice_(std::move(notice)),
      destination_(destination),
      current_font_(ToLatin1(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family())),
      job_name_(DefaultJobName) {}

QtPrinter::~QtPrinter() {
  canvas_.Detach();
  if (painter_) painter_->end();
}

void QtPrinter::SetJobName(const std::string& name) { job_name_ = name.empty() ? DefaultJobName : name; }

QPrinter& QtPrinter::Device() {
  // Made on first use: asking the print system for its printers is slow, and start-up needs
  // only the font list.
  if (!device_) {
    const QPrinterInfo system_printer = QPrinterInfo::defaultPrinter();
    if (destination_ == Destination::SystemPrinterWhenAvailable && !system_printer.isNull()) {
      device_ = std::make_unique<QPrinter>(system_printer, QPrinter::HighResolution);
    } else {
      device_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
      device_->setOutputFormat(QPrinter::PdfFormat);
    }
  }
  return *device_;
}

bool QtPrinter::PrintsToPdf() { return Device().outputFormat() == QPrinter::PdfFormat; }

std::filesystem::path QtPrinter::PdfPathFor(const std::string& job_name) const {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(folder_, error);
  return (error ? folder_ : folder) / FileNameFor(job_name);
}

int QtPrinter::FontCount() {
  if (!fonts_listed_) {
    fonts_ = PrinterFontNames();
    fonts_listed_ = true;
  }
  return static_cast<int>(fonts_.size());
}

std::string QtPrinter::FontName(int index) {
  if (index < 0 || index >= FontCount()) return {};
  return fonts_[static_cast<std::size_t>(index)];
}

std::string QtPrinter::CurrentFontName() { return current_font_; }

void QtPrinter::SetCurrentFontName(const std::string& name) {
  // An empty name (no report font chosen) keeps the font already selected.
  if (!name.empty()) current_font_ = name;
}

void QtPrinter::SetFontSize(double points) {
  if (points > 0) font_points_ = points;
}

QFont QtPrinter::CurrentFont() const {
  QFont font(FromLatin1(current_font_));
  font.setPointSizeF(font_points_);
  return font;
}

bool QtPrinter::BeginJobIfIdle() {
  if (painter_) return true;
  if (job_failed_) return false;
  QPrinter& device = Device();
  device.setDocName(FromLatin1(job_name_));
  if (device.outputFormat() == QPrinter::PdfFormat) {
    device.setOutputFileName(QString::fromStdString(PdfPathFor(job_name_).string()));
  }
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&device)) {
    // Remembered until EndDocument so the rest of the job's lines are dropped quietly and
    // the user hears about it once.
    job_failed_ = true;
    return false;
  }
  painter_ = std::move(painter);
  canvas_.Attach(painter_.get(), device.resolution());
  line_top_ = 0.0;
  return true;
}

void QtPrinter::PrintLine(const std::string& line) {
  if (!BeginJobIfIdle()) return;
  const QFont font = CurrentFont();
  painter_->setFont(font);
  // Lines are spaced as the reports were laid out for, about 1.15 em apart as a printer's
  // Courier sets them, however generous the chosen font's own line height: the schedule puts
  // two weeks on a page and the standings one page on paper.
  const QFontMetricsF metrics(font, painter_->device());
  const double em = font_points_ * Device().resolution() / 72.0;
  const double advance = std::min(metrics.lineSpacing(), em * LineAdvanceEms);
  const double ascent = std::min(metrics.ascent(), em * BaselineEms);
  const double page_height = Device().pageLayout().paintRectPixels(Device().resolution()).height();
  if (line_top_ > 0.0 && line_top_ + advance > page_height) NewPage();
  painter_->setPen(Qt::black);
  painter_->drawText(QPointF(0.0, line_top_ + ascent), FromLatin1(line));
  line_top_ += advance;
}

void QtPrinter::NewPage() {
  if (!BeginJobIfIdle()) return;
  Device().newPage();
  line_top_ = 0.0;
}

Canvas& QtPrinter::PageCanvas() {
  BeginJobIfIdle();
  return canvas_;
}

void QtPrinter::EndDocument() {
  const bool to_pdf = device_ && device_->outputFormat() == QPrinter::PdfFormat;
  const std::filesystem::path pdf = PdfPathFor(job_name_);
  bool written = !job_failed_;
  if (painter_) {
    canvas_.Detach();
    written = painter_->end() && written;
    painter_.reset();
  } else if (!job_failed_) {
    return;  // nothing was printed, so there is no job to end
  }
  job_failed_ = false;
  job_name_ = DefaultJobName;  // each print command names its own job
  if (!notice_) return;
  const std::string shown_path = ToLatin1(QString::fromStdString(pdf.string()));
  if (!written) {
    notice_(to_pdf ? "Unable to write the report to " + shown_path + " - check disk, write protect etc.."
                   : std::string("Unable to print the report - check the printer."));
  } else if (to_pdf) {
    notice_("There is no printer on this computer, so the report was saved as a PDF file:\n\r" +
            shown_path);
  }
}

}  // namespace tavrin::qt
