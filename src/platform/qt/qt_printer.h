#pragma once
// The report printer. A job starts with its first line (or page or drawing) and ends with
// EndDocument. It goes to the system's default printer when there is one; with none, every job
// becomes a PDF file in the data folder named after the job ("Tavrin Results week 9.pdf"),
// numbered rather than written over an older one. Every page carries a running foot, and the
// left margin leaves room for binding whatever the printer's default.

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
  // The file a PDF job of that name is saved in: the first of "name.pdf", "name (2).pdf", ...
  // that does not exist yet.
  std::filesystem::path PdfPathFor(const std::string& job_name) const;
  // The next job goes to this PDF file (Print to PDF...), whatever the printer.
  void SendNextJobTo(std::filesystem::path pdf) { next_job_file_ = std::move(pdf); }
  // The program's name and season at the left of every page's foot ("Tavrin 2000").
  void SetFootTitle(const std::string& title) { foot_title_ = title; }
  // The printer setup's choices (printer, paper, orientation, margins) are kept for later runs.
  void RememberSetup();
  // The device the printer setup dialog adjusts and the next job prints on; its choices are
  // remembered (RememberSetup) for every later job, each of which gets a device of its own.
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
  struct PendingLine {
    std::string text;
    std::string font;
    double points = 0;
    bool new_page = false;  // a page break rather than a line
  };

  bool BeginJobIfIdle();
  QFont FontOf(const std::string& name, double points) const;
  void RestoreSetup(QPrinter& device) const;
  static void KeepMargins(QPrinter& device);
  // Lays the pending lines out on pages, painting them when `paint`; the number of pages.
  int LayOutPendingLines(bool paint, int page_count);
  void PaintFoot(int page, int page_count);
  void StartNextPage(int page_count);

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
  std::string foot_title_ = "Tavrin";
  std::filesystem::path next_job_file_;
  std::filesystem::path job_file_;  // the PDF file of the job under way
  bool job_to_chosen_file_ = false;
  bool job_failed_ = false;
  // Lines wait until the job ends, so each foot can tell the number of pages; a drawing job
  // (the chart) paints at once.
  std::vector<PendingLine> pending_;
  bool drawing_ = false;
  int page_ = 1;
  double line_top_ = 0.0;  // device pixels below the top of the printable area
};

}  // namespace tavrin::qt
