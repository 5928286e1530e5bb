#pragma once
// The report printer. A job starts with its first line (or page or drawing) and ends with
// EndDocument. It goes to the system's default printer when there is one; with none, every job
// becomes a PDF file in the data folder named after the job ("Tavrin Standings.pdf").

#include <QPrinter>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/qt/painter_canvas.h"

namespace tavrin::qt {

// The fonts the printer can use: the families Qt can render and embed, as Latin-1 names.
std::vector<std::string> PrinterFontNames();

class QtPrinter : public Printer {
 public:
  enum class Destination { SystemPrinterWhenAvailable, PdfFile };
  // Told the outcome of a job that did not go to a printer: the PDF file written, or a
  // message that it could not be written.
  using Notice = std::function<void(const std::string& message)>;

  QtPrinter(std::filesystem::path folder, Notice notice,
            Destination destination = Destination::SystemPrinterWhenAvailable);
  ~QtPrinter() override;
  QtPrinter(const QtPrinter&) = delete;
  QtPrinter& operator=(const QtPrinter&) = delete;

  // The title of the next job: the spooler's document name and the PDF's file name.
  void SetJobName(const std::string& name) override;
  const std::string& JobName() const { return job_name_; }
  bool PrintsToPdf();
  std::filesystem::path PdfPathFor(const std::string& job_name) const;
  // The device the printer setup dialog adjusts; its page settings serve every later job.
  QPrinter& Device();

  int FontCount() override;
  std::string FontName(int index) override;
  std::string CurrentFontName() override;
  void SetCurrentFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void PrintLine(const std::string& line) override;
  void NewPage() override;
  void EndDocument() override;
  Canvas& PageCanvas() override;

 private:
  bool BeginJobIfIdle();
  QFont CurrentFont() const;

  std::filesystem::path folder_;
  Notice notice_;
  Destination destination_;
  std::unique_ptr<QPrinter> device_;
  std::unique_ptr<QPainter> painter_;
  PainterCanvas canvas_;
  std::vector<std::string> fonts_;
  bool fonts_listed_ = false;
  std::string current_font_;
  double font_points_ = 10.0;
  std::string job_name_;
  bool job_failed_ = false;
  double line_top_ = 0.0;  // device pixels below the top of the printable area
};

}  // namespace tavrin::qt
