#include "viewers/document_printer.h"

#include "platform/system_error.h"
#include "platform/system_library.h"
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
  explicit TPrinterDevice(HDC dc) : FDc(dc) {}
  TPageMetrics Metrics() override {
    return {GetDeviceCaps(FDc, HORZRES), GetDeviceCaps(FDc, VERTRES),
            GetDeviceCaps(FDc, LOGPIXELSX), GetDeviceCaps(FDc, LOGPIXELSY)};
  }
  void EnterPixelMapping() override { FSavedMode = SetMapMode(FDc, MM_TEXT); }
  void RestoreMapping() override { SetMapMode(FDc, FSavedMode); }
  void NewPage() override {
    Check(EndPage(FDc) > 0);
    Check(StartPage(FDc) > 0);
  }

 private:
  HDC FDc;
  int FSavedMode = MM_TEXT;
};

class TRichEditFormatter : public TPageFormatter {
 public:
  TRichEditFormatter(HWND control, HDC dc) : FControl(control), FDc(dc) {}
  // In the control's own character positions, the unit of EM_FORMATRANGE:
  // the ANSI byte count differs for double-byte text and line ends.
  long TextLength() override {
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT length =
        SendMessageA(FControl, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    return length > 0 ? static_cast<long>(length) : GetWindowTextLengthA(FControl);
  }
  long RenderPage(long first, const TTwipsRect& page) override {
    FORMATRANGE range{};
    range.hdc = FDc;
    range.hdcTarget = FDc;
    range.rc = {page.Left, page.Top, page.Right, page.Bottom};
    range.rcPage = range.rc;
    range.chrg.cpMin = first;
    range.chrg.cpMax = -1;
    return static_cast<long>(
        SendMessageA(FControl, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
  }
  void FlushCache() override { SendMessageA(FControl, EM_FORMATRANGE, FALSE, 0); }
  // True when a measuring pass over a whole page finds room for some text.
  bool MeasuresPages() {
    FORMATRANGE range{};
    range.hdc = FDc;
    range.hdcTarget = FDc;
    range.rc = {0, 0, 1440 * 8, 1440 * 10};
    range.rcPage = range.rc;
    range.chrg = {0, -1};
    const LRESULT fits =
        SendMessageA(FControl, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    FlushCache();
    return fits > 0;
  }

 private:
  HWND FControl;
  HDC FDc;
};

// Lays the area's text out itself, in the area's font, for a control that
// cannot lay out pages (EM_FORMATRANGE is a stub under Wine). Positions are
// byte offsets of the text.
class TPlainTextFormatter : public TPageFormatter {
 public:
  TPlainTextFormatter(HWND control, HDC dc, const TFontAttributes& attributes)
      : FDc(dc), FText(ControlText(control)) {
    LOGFONTA font{};
    // A character height in pixels at 96 per inch, at the printer's resolution.
    font.lfHeight = -MulDiv(attributes.Height, GetDeviceCaps(dc, LOGPIXELSY), 96);
    font.lfWeight = attributes.Style & kFontBold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = attributes.Charset;
    font.lfPitchAndFamily =
        attributes.Pitch == TFontPitch::Fixed ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
    lstrcpynA(font.lfFaceName, attributes.Name.c_str(), LF_FACESIZE);
    FFont = CreateFontIndirectA(&font);
  }
  ~TPlainTextFormatter() override { DeleteObject(FFont); }
  TPlainTextFormatter(const TPlainTextFormatter&) = delete;
  TPlainTextFormatter& operator=(const TPlainTextFormatter&) = delete;

  long TextLength() override { return static_cast<long>(FText.size()); }
  long RenderPage(long first, const TTwipsRect& page) override {
    const HGDIOBJ old = SelectObject(FDc, FFont);
    TEXTMETRICA metrics{};
    GetTextMetricsA(FDc, &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    const int width = MulDiv(page.Right - page.Left, GetDeviceCaps(FDc, LOGPIXELSX), 1440);
    const int height = MulDiv(page.Bottom - page.Top, GetDeviceCaps(FDc, LOGPIXELSY), 1440);
    const TLinesOfPage lines = LinesOfPage(
        FText, static_cast<std::size_t>(first), height / lineHeight, width, [this](auto piece) {
          SIZE size{};
          GetTextExtentPoint32A(FDc, piece.data(), static_cast<int>(piece.size()), &size);
          return static_cast<int>(size.cx);
        });
    int y = 0;
    for (const TTextLine& line : lines.Lines) {
      TextOutA(FDc, 0, y, FText.data() + line.Begin, static_cast<int>(line.End - line.Begin));
      y += lineHeight;
    }
    SelectObject(FDc, old);
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

  HDC FDc;
  std::string FText;
  HFONT FFont;
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
      : FDc(CreateDCA("WINSPOOL", printer.c_str(), nullptr, nullptr)) {
    Printing = true;
    ActivePump = pump;
  }
  ~TPrintJob() {
    if (FStarted) AbortDoc(FDc);
    if (FDc != nullptr) DeleteDC(FDc);
    Printing = false;
    ActivePump = nullptr;
  }
  TPrintJob(const TPrintJob&) = delete;
  TPrintJob& operator=(const TPrintJob&) = delete;

  void Start(const std::string& title) {
    Check(FDc != nullptr);
    SetAbortProc(FDc, PumpWhileSpooling);
    DOCINFOA info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = title.c_str();
    FStarted = StartDocA(FDc, &info) > 0;
    Check(FStarted);
    Check(StartPage(FDc) > 0);
  }
  void Finish() {
    Check(EndPage(FDc) > 0);
    FStarted = false;
    Check(EndDoc(FDc) > 0);
  }
  HDC Dc() const { return FDc; }

 private:
  const HDC FDc;
  bool FStarted = false;
};

}  // namespace

void PrintDocument(HWND richEdit, const TFontAttributes& plainFont, const std::string& jobTitle,
                   TPumpMessages pump) {
  if (Printing) throw std::runtime_error(kAlreadyPrintingMessage);
  const std::string& printer = DefaultPrinter();
  TPrintJob job(printer, pump);
  job.Start(jobTitle);
  TPrinterDevice device(job.Dc());
  const std::unique_ptr<TPageFormatter> formatter = FormatterFor(richEdit, job.Dc(), plainFont);
  PrintAllPages(device, *formatter);
  job.Finish();
}
