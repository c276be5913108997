#include "docs/document_printer.h"

#include "docs/print_pagination.h"
#include "docs/system_error.h"

#include <richedit.h>
#include <winspool.h>

#include <stdexcept>

namespace {

bool Printing = false;
TPumpMessages ActivePump = nullptr;

BOOL CALLBACK PumpWhileSpooling(HDC, int) {
  if (ActivePump != nullptr) ActivePump();
  return TRUE;  // the program never aborts a job
}

const std::string& DefaultPrinter() {
  static std::string name;
  if (name.empty()) {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    std::string found(size, '\0');
    if (size == 0 || !GetDefaultPrinterA(found.data(), &size)) {
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

 private:
  HWND Control;
  HDC Dc;
};

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

void PrintDocument(HWND richEdit, const std::string& jobTitle, TPumpMessages pump) {
  if (Printing) throw std::runtime_error(kAlreadyPrintingMessage);
  const std::string& printer = DefaultPrinter();
  TPrintJob job(printer, pump);
  job.Start(jobTitle);
  TPrinterDevice device(job.Dc);
  TRichEditFormatter formatter(richEdit, job.Dc);
  PrintAllPages(device, formatter);
  job.Finish();
}
