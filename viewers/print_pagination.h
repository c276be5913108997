#pragma once
// Lays a rich-text control's whole text out page by page on a started print
// job. Plain logic: the printer and the control are passed in.

// A rectangle in twips (1/1440 inch).
struct TTwipsRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  bool operator==(const TTwipsRect&) const = default;
};

// The printer's printable area in its pixels and its resolution.
struct TPageMetrics {
  int PrintableWidth = 0;
  int PrintableHeight = 0;
  int PixelsPerInchX = 0;
  int PixelsPerInchY = 0;
};

// The whole printable area from its top left corner, no margin added.
TTwipsRect PageRectInTwips(const TPageMetrics& metrics);

// The printer side of a job that has been started with its first page.
class TPrintDevice {
 public:
  virtual ~TPrintDevice() = default;
  virtual TPageMetrics Metrics() = 0;
  // Plain pixel mapping for the time of printing; Restore puts back the old one.
  virtual void EnterPixelMapping() = 0;
  virtual void RestoreMapping() = 0;
  // Ends the current page and starts the next.
  virtual void NewPage() = 0;
};

// The rich-text control's side.
class TPageFormatter {
 public:
  virtual ~TPageFormatter() = default;
  virtual long TextLength() = 0;
  // Renders from character first into the page; returns the first character
  // that did not fit, or -1.
  virtual long RenderPage(long first, const TTwipsRect& page) = 0;
  virtual void FlushCache() = 0;
};

// Prints every page; the mapping is restored and the cache flushed also when
// an error breaks the printing off. Returns the number of pages printed.
int PrintAllPages(TPrintDevice& device, TPageFormatter& formatter);
