#pragma once
// The report printer as the print commands use it: a font list, the current font, one line at a
// time with automatic new pages, and the end of the job. Drawing for the chart comes through
// the canvas the graph window asks for.

#include <string>

namespace tavrin {

class Canvas;

class Printer {
 public:
  virtual ~Printer() = default;

  // Names the next job: the spooler's title, or the file a job without a printer is saved in.
  // Printers that keep no names ignore it.
  virtual void SetJobName(const std::string& name) { (void)name; }

  virtual int FontCount() = 0;
  virtual std::string FontName(int index) = 0;
  virtual std::string CurrentFontName() = 0;
  virtual void SetCurrentFontName(const std::string& name) = 0;
  virtual void SetFontSize(double points) = 0;
  virtual void PrintLine(const std::string& line) = 0;
  virtual void NewPage() = 0;
  virtual void EndDocument() = 0;
  // The page as a drawing surface in twips (1/1440 inch) from the top-left of the printable area.
  virtual Canvas& PageCanvas() = 0;
};

}  // namespace tavrin
