#include "platform/qt/qt_printer.h"

#include <QDate>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinterInfo>
#include <QSettings>
#include <algorithm>

#include "platform/qt/latin1_text.h"

namespace tavrin::qt {
namespace {

constexpr const char* DefaultJobName = "Tavrin Report";
constexpr double LineAdvanceEms = 1.15;
constexpr double BaselineEms = 0.9;
constexpr double LeastLeftMarginMm = 15.0;
// The foot sits in the bottom margin, which is made at least this deep for it.
constexpr double LeastBottomMarginMm = 12.0;
constexpr double FootPoints = 8.0;
constexpr const char* SetupGroup = "printer";

// A job name as a file name: no folder separators, nothing hidden; `copy` 2 and on numbers it.
std::string FileNameFor(const std::string& job_name, int copy) {
  std::string name = job_name.empty() ? DefaultJobName : job_name;
  std::replace(name.begin(), name.end(), '/', '-');
  if (name.front() == '.') name.front() = '_';
  return copy > 1 ? name + " (" + std::to_string(copy) + ").pdf" : name + ".pdf";
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

void QtPrinter::SetJobName(const std::string& name) {
  job_name_ = name.empty() ? DefaultJobName : name;
  // Clearing the name ends a print command; a Print to PDF... it did not use lapses with it.
  if (name.empty() && !painter_ && pending_.empty()) next_job_file_.clear();
}

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
    RestoreSetup(*device_);
  }
  return *device_;
}

void QtPrinter::RememberSetup() {
  const QPrinter& device = Device();
  QSettings settings;
  settings.beginGroup(SetupGroup);
  if (device.outputFormat() == QPrinter::NativeFormat)
    settings.setValue("name", device.printerName());
  const QPageLayout layout = device.pageLayout();
  settings.setValue("paper", QPageSize::key(layout.pageSize().id()));
  settings.setValue("landscape", layout.orientation() == QPageLayout::Landscape);
  const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
  settings.setValue("margins",
                    QVariantList{margins.left(), margins.top(), margins.right(), margins.bottom()});
}

void QtPrinter::RestoreSetup(QPrinter& device) const {
  QSettings settings;
  settings.beginGroup(SetupGroup);
  const QString name = settings.value("name").toString();
  if (!name.isEmpty() && device.outputFormat() == QPrinter::NativeFormat &&
      !QPrinterInfo::printerInfo(name).isNull()) {
    device.setPrinterName(name);
  }
  for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
    const auto size = static_cast<QPageSize::PageSizeId>(id);
    if (QPageSize::key(size) == settings.value("paper").toString())
      device.setPageSize(QPageSize(size));
  }
  if (settings.contains("landscape")) {
    device.setPageOrientation(settings.value("landscape").toBool() ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
  }
  const QVariantList margins = settings.value("margins").toList();
  if (margins.size() == 4) {
    device.setPageMargins(QMarginsF(margins[0].toDouble(), margins[1].toDouble(),
                                    margins[2].toDouble(), margins[3].toDouble()),
                          QPageLayout::Millimeter);
  }
}

void QtPrinter::KeepMargins(QPrinter& device) {
  QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
  margins.setLeft(std::max(margins.left(), LeastLeftMarginMm));
  margins.setBottom(std::max(margins.bottom(), LeastBottomMarginMm));
  device.setPageMargins(margins, QPageLayout::Millimeter);
}

std::filesystem::path QtPrinter::PdfPathFor(const std::string& job_name) const {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(folder_, error);
  folder = (error ? folder_ : folder).lexically_normal();
  for (int copy = 1;; ++copy) {
    std::filesystem::path path = folder / FileNameFor(job_name, copy);
    if (!std::filesystem::exists(path, error)) return path;
  }
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

QFont QtPrinter::FontOf(const std::string& name, double points) const {
  QFont font(FromLatin1(name));
  font.setPointSizeF(points);
  return font;
}

bool QtPrinter::BeginJobIfIdle() {
  if (painter_) return true;
  if (job_failed_) return false;
  QPrinter& device = Device();
  device.setDocName(FromLatin1(job_name_));
  job_file_ = next_job_file_;
  job_to_chosen_file_ = !next_job_file_.empty();
  next_job_file_.clear();
  if (!job_file_.empty()) device.setOutputFormat(QPrinter::PdfFormat);
  if (device.outputFormat() == QPrinter::PdfFormat) {
    if (job_file_.empty()) job_file_ = PdfPathFor(job_name_);
    device.setOutputFileName(QString::fromStdString(job_file_.string()));
  }
  KeepMargins(device);
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&device)) {
    // Remembered until EndDocument so the rest of the job's lines are dropped quietly and
    // the user hears about it once.
    job_failed_ = true;
    return false;
  }
  painter_ = std::move(painter);
  canvas_ = PainterCanvas();
  canvas_.Attach(painter_.get(), device.resolution());
  line_top_ = 0.0;
  page_ = 1;
  return true;
}

void QtPrinter::PrintLine(const std::string& line) {
  if (job_failed_) return;
  pending_.push_back({line, current_font_, font_points_, false});
  if (drawing_) LayOutPendingLines(true, 0);
}

void QtPrinter::NewPage() {
  if (job_failed_) return;
  pending_.push_back({{}, {}, 0, true});
  if (drawing_) LayOutPendingLines(true, 0);
}

Canvas& QtPrinter::PageCanvas() {
  // The lines so far go on the page first; from here on everything is painted at once.
  if (BeginJobIfIdle()) {
    drawing_ = true;
    LayOutPendingLines(true, 0);
  }
  return canvas_;
}

int QtPrinter::LayOutPendingLines(bool paint, int page_count) {
  QPrinter& device = Device();
  const double resolution = device.resolution();
  const double page_height =
      device.pageLayout().paintRectPixels(static_cast<int>(resolution)).height();
  double top = paint ? line_top_ : 0.0;
  int page = paint ? page_ : 1;
  for (const PendingLine& line : pending_) {
    if (line.new_page) {
      if (paint) StartNextPage(page_count);
      ++page;
      top = 0.0;
      continue;
    }
    // Lines are spaced as the reports were laid out for, about 1.15 em apart as a printer's
    // Courier sets them, however generous the chosen font's own line height: the schedule puts
    // two weeks on a page and the standings one page on paper.
    const QFont font = FontOf(line.font, line.points);
    const QFontMetricsF metrics(font, &device);
    const double em = line.points * resolution / 72.0;
    const double advance = std::min(metrics.lineSpacing(), em * LineAdvanceEms);
    if (top > 0.0 && top + advance > page_height) {
      if (paint) StartNextPage(page_count);
      ++page;
      top = 0.0;
    }
    if (paint) {
      painter_->setFont(font);
      painter_->setPen(Qt::black);
      painter_->drawText(QPointF(0.0, top + std::min(metrics.ascent(), em * BaselineEms)),
                         FromLatin1(line.text));
    }
    top += advance;
  }
  if (paint) {
    pending_.clear();
    line_top_ = top;
    page_ = page;
  }
  return page;
}

void QtPrinter::StartNextPage(int page_count) {
  PaintFoot(page_, page_count);
  Device().newPage();
  ++page_;
}

void QtPrinter::PaintFoot(int page, int page_count) {
  // Under the printable area, in the bottom margin kept free for it: the program and season,
  // the date as the user's locale writes it, and the page, which ends as far from the paper's
  // right edge as the text begins from its left.
  QPrinter& device = Device();
  const double resolution = device.resolution();
  const QPageLayout layout = device.pageLayout();
  const QRectF area = layout.paintRectPixels(static_cast<int>(resolution));
  const double paper_width = layout.fullRectPixels(static_cast<int>(resolution)).width();
  const double foot_right = paper_width - area.left() - LeastLeftMarginMm / 25.4 * resolution;
  const QFont font =
      FontOf(ToLatin1(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()), FootPoints);
  const QFontMetricsF metrics(font, &device);
  const QRectF foot(0.0, area.height() + LeastBottomMarginMm / 25.4 * resolution / 4, foot_right,
                    metrics.height());
  const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
  const QString pages = page_count > 0 ? QString("page %1 of %2").arg(page).arg(page_count)
                                       : QString("page %1").arg(page);
  painter_->save();
  painter_->setFont(font);
  painter_->setPen(Qt::black);
  painter_->drawText(foot, Qt::AlignLeft | Qt::AlignTop, FromLatin1(foot_title_));
  painter_->drawText(foot, Qt::AlignHCenter | Qt::AlignTop, date);
  painter_->drawText(foot, Qt::AlignRight | Qt::AlignTop, pages);
  painter_->restore();
}

void QtPrinter::EndDocument() {
  if (!pending_.empty() && !drawing_) {
    // Counted first, so every foot can say how many pages there are.
    KeepMargins(Device());
    const int pages = LayOutPendingLines(false, 0);
    if (BeginJobIfIdle()) LayOutPendingLines(true, pages);
  }
  pending_.clear();
  const bool to_pdf = device_ && device_->outputFormat() == QPrinter::PdfFormat;
  const std::filesystem::path pdf = job_file_;
  bool written = !job_failed_;
  if (painter_) {
    PaintFoot(page_, page_);
    canvas_.Detach();
    written = painter_->end() && written;
    painter_.reset();
  } else if (!job_failed_) {
    return;  // nothing was printed, so there is no job to end
  }
  job_failed_ = false;
  drawing_ = false;
  job_file_.clear();
  const bool chosen_file = job_to_chosen_file_;
  job_to_chosen_file_ = false;
  // The next job starts on a device made afresh from the remembered setup: a device that
  // painted once carries its pen and colour into the next document (a chart's red would colour
  // the following report), and a Print to PDF... job's file format would outlast it.
  device_.reset();
  job_name_ = DefaultJobName;  // each print command names its own job
  if (!notice_) return;
  const std::string shown_path = ToLatin1(QString::fromStdString(pdf.string()));
  if (!written) {
    notice_(to_pdf ? "Unable to write the report to " + shown_path +
                         " - check disk, write protect etc.."
                   : std::string("Unable to print the report - check the printer."));
  } else if (to_pdf && chosen_file) {
    notice_("The report was saved as a PDF file:\n\r" + shown_path);
  } else if (to_pdf) {
    notice_("There is no printer on this computer, so the report was saved as a PDF file:\n\r" +
            shown_path);
  }
}

}  // namespace tavrin::qt
