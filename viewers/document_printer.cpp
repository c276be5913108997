#include "viewers/document_printer.h"

#include "platform/system_error.h"
#include "platform/system_functions.h"
#include "viewers/print_pagination.h"
#include "viewers/text_lines.h"

#include <richedit.h>
#include <winspool.h>

#include <memory>
#include <stdexcept>

namespace {

bool Printing = false;
TPumpMessages ActivePump = nullptr;

BOOL CALLBACK PumpWhileSpooling(HDC, int) {
  if (ActivePump != nullptr) ActivePump();
  return TRUE;  // the program never aborts a job
}

// GetDefaultPrinterA from winspool, which pulls in the print system's client
// libraries: loaded at the first print. Without it there is no printer.
BOOL QueryDefaultPrinter(char* buffer, DWORD* size) {
  static const auto function =
      SystemFunction<decltype(&GetDefaultPrinterA)>("winspool.drv", "GetDefaultPrinterA");
  return function != nullptr && function(buffer, size);
}

const std::string& DefaultPrinter() {
  static std::string name;
  if (name.empty()) {
    DWORD size = 0;
    QueryDefaultPrinter(nullptr, &size);
    std::string found(size, '\0');
    if (size == 0 || !QueryDefaultPrinter(found.data(), &size)) {
      throw std::runtime_error(kNoPrinterMessage);
    }
    found.resize(found.find('\0'));
    name = found;
  }
  return name;
}

void Check(bool ok) {
  if (!ok) throw std::runtime_error(SystemErrorText(GetLastError()));
}

class TPrinterDevice : public TPrintDevice {
 public:
  explicit TPrinterDevice(HDC dc) : Dc(dc) {}
  TPageMetrics Metrics() override {
    return {GetDeviceCaps(Dc, HORZRES), GetDeviceCaps(Dc, VERTRES), GetDeviceCaps(Dc, LOGPIXELSX),
            GetDeviceCaps(Dc, LOGPIXELSY)};
  }
  void EnterPixelMapping() override { SavedMode = SetMapMode(Dc, MM_TEXT); }
  void RestoreMapping() override { SetMapMode(Dc, SavedMode); }
  void NewPage() override {
    Check(EndPage(Dc) > 0);
    Check(StartPage(Dc) > 0);
  }

 private:
  HDC Dc;
  int SavedMode = MM_TEXT;
};

class TRichEditFormatter : public TPageFormatter {
 public:
  TRichEditFormatter(HWND control, HDC dc) : Control(control), Dc(dc) {}
  // In the control's own character positions, the unit of EM_FORMATRANGE:
  // the ANSI byte count differs for double-byte text and line ends.
  long TextLength() override {
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT length =
        SendMessageA(Control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    return length > 0 ? static_cast<long>(length) : GetWindowTextLengthA(Control);
  }
  long RenderPage(long first, const TTwipsRect& page) override {
    FORMATRANGE range{};
    range.hdc = Dc;
    range.hdcTarget = Dc;
    range.rc = {page.Left, page.Top, page.Right, page.Bottom};
    range.rcPage = range.rc;
    range.chrg.cpMin = first;
    range.chrg.cpMax = -1;
    return static_cast<long>(
        SendMessageA(Control, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
  }
  void FlushCache() override { SendMessageA(Control, EM_FORMATRANGE, FALSE, 0); }
  // True when a measuring pass over a whole page finds room for some text.
  bool MeasuresPages() {
    FORMATRANGE range{};
    range.hdc = Dc;
    range.hdcTarget = Dc;
    range.rc = {0, 0, 1440 * 8, 1440 * 10};
    range.rcPage = range.rc;
    range.chrg = {0, -1};
    const LRESULT fits =
        SendMessageA(Control, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    FlushCache();
    return fits > 0;
  }

 private:
  HWND Control;
  HDC Dc;
};

// Lays the area's text out itself, in the area's font, for a control that
// cannot lay out pages (EM_FORMATRANGE is a stub under Wine). Positions are
// byte offsets of the text.
class TPlainTextFormatter : public TPageFormatter {
 public:
  TPlainTextFormatter(HWND control, HDC dc, const TFontAttributes& attributes)
      : Dc(dc), Text(ControlText(control)) {
    LOGFONTA font{};
    // A character height in pixels at 96 per inch, at the printer's resolution.
    font.lfHeight = -MulDiv(attributes.Height, GetDeviceCaps(dc, LOGPIXELSY), 96);
    font.lfWeight = attributes.Style & fsBold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = attributes.Charset;
    font.lfPitchAndFamily =
        attributes.Pitch == TFontPitch::Fixed ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
    lstrcpynA(font.lfFaceName, attributes.Name.c_str(), LF_FACESIZE);
    Font = CreateFontIndirectA(&font);
  }
  ~TPlainTextFormatter() override { DeleteObject(Font); }
  TPlainTextFormatter(const TPlainTextFormatter&) = delete;
  TPlainTextFormatter& operator=(const TPlainTextFormatter&) = delete;

  long TextLength() override { return static_cast<long>(Text.size()); }
  long RenderPage(long first, const TTwipsRect& page) override {
    const HGDIOBJ old = SelectObject(Dc, Font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(Dc, &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    const int width = MulDiv(page.Right - page.Left, GetDeviceCaps(Dc, LOGPIXELSX), 1440);
    const int height = MulDiv(page.Bottom - page.Top, GetDeviceCaps(Dc, LOGPIXELSY), 1440);
    const TLinesOfPage lines = LinesOfPage(
        Text, static_cast<std::size_t>(first), height / lineHeight, width, [this](auto piece) {
          SIZE size{};
          GetTextExtentPoint32A(Dc, piece.data(), static_cast<int>(piece.size()), &size);
          return static_cast<int>(size.cx);
        });
    int y = 0;
    for (const TTextLine& line : lines.Lines) {
      TextOutA(Dc, 0, y, Text.data() + line.Begin, static_cast<int>(line.End - line.Begin));
      y += lineHeight;
    }
    SelectObject(Dc, old);
    return static_cast<long>(lines.Next);
  }
  void FlushCache() override {}

 private:
  static std::string ControlText(HWND control) {
    // The length is in characters; double-byte text needs up to twice that.
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) * 2 + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  HDC Dc;
  std::string Text;
  HFONT Font;
};

// The control's own page layout where it has one.
std::unique_ptr<TPageFormatter> FormatterFor(HWND control, HDC dc, const TFontAttributes& font) {
  auto rich = std::make_unique<TRichEditFormatter>(control, dc);
  if (rich->TextLength() == 0 || rich->MeasuresPages()) return rich;
  return std::make_unique<TPlainTextFormatter>(control, dc, font);
}

// The printer's device context and the job on it. The program-wide printing
// mark is held from the start to the end; a job that did not reach its end is
// aborted.
class TPrintJob {
 public:
  TPrintJob(const std::string& printer, TPumpMessages pump)
      : Dc(CreateDCA("WINSPOOL", printer.c_str(), nullptr, nullptr)) {
    Printing = true;
    ActivePump = pump;
  }
  ~TPrintJob() {
    if (Started) AbortDoc(Dc);
    if (Dc != nullptr) DeleteDC(Dc);
    Printing = false;
    ActivePump = nullptr;
  }
  TPrintJob(const TPrintJob&) = delete;
  TPrintJob& operator=(const TPrintJob&) = delete;

  void Start(const std::string& title) {
    Check(Dc != nullptr);
    SetAbortProc(Dc, PumpWhileSpooling);
    DOCINFOA info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = title.c_str();
    Started = StartDocA(Dc, &info) > 0;
    Check(Started);
    Check(StartPage(Dc) > 0);
  }
  void Finish() {
    Check(EndPage(Dc) > 0);
    Started = false;
    Check(EndDoc(Dc) > 0);
  }
  const HDC Dc;

 private:
  bool Started = false;
};

}  // namespace

void PrintDocument(HWND richEdit, const TFontAttributes& plainFont, const std::string& jobTitle,
                   TPumpMessages pump) {
  if (Printing) throw std::runtime_error(kAlreadyPrintingMessage);
  const std::string& printer = DefaultPrinter();
  TPrintJob job(printer, pump);
  job.Start(jobTitle);
  TPrinterDevice device(job.Dc);
  const std::unique_ptr<TPageFormatter> formatter = FormatterFor(richEdit, job.Dc, plainFont);
  PrintAllPages(device, *formatter);
  job.Finish();
}
