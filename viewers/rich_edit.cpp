#include "viewers/rich_edit.h"

#include "platform/system_error.h"
#include "platform/system_library.h"
#include "viewers/document_printer.h"
#include "viewers/document_reading.h"
#include "widgets/application.h"
#include "widgets/graphics.h"

#include <richedit.h>

#include <stdexcept>

namespace {

// Rich Edit 1.0 ("RICHED32.DLL"), loaded once from the system folder before
// the first viewer creates its text area.
constexpr const char* kRichEditClass = "RICHEDIT";
constexpr int kTwipsPerPoint = 20;

// Raises an error when the library cannot be loaded.
void LoadRichEditLibrary() {
  // Kept loaded for the life of the process: every viewer's area needs it.
  static const HMODULE library = LoadSystemLibrary("RICHED32.DLL");
  if (library == nullptr) throw std::runtime_error(SystemErrorText(GetLastError()));
}

void PumpApplicationMessages() { Application->PumpPendingMessages(); }

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  DWORD done = 0;
  const BOOL ok =
      ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &done, nullptr);
  *read = static_cast<LONG>(done);
  return ok ? 0 : 1;
}

std::string FullPath(const std::string& fileName) {
  const DWORD size = GetFullPathNameA(fileName.c_str(), 0, nullptr, nullptr);
  if (size == 0) return fileName;
  std::string path(size, '\0');
  const DWORD length = GetFullPathNameA(fileName.c_str(), size, path.data(), nullptr);
  path.resize(length < size ? length : 0);
  return path.empty() ? fileName : path;
}

// A file of the working directory streamed into a Rich Edit control.
class TRichEditStream : public TDocumentStream {
 public:
  explicit TRichEditStream(HWND richEdit) : FControl(richEdit) {}
  ~TRichEditStream() override { Close(); }
  TRichEditStream(const TRichEditStream&) = delete;
  TRichEditStream& operator=(const TRichEditStream&) = delete;

  void Open(const std::string& fileName) override {
    FFile = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FFile == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      throw std::runtime_error(OpenErrorText(FullPath(fileName), SystemErrorText(error)));
    }
  }
  void Rewind() override { SetFilePointer(FFile, 0, nullptr, FILE_BEGIN); }
  bool StreamIn(TStreamFormat format) override {
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(FFile);
    stream.pfnCallback = ReadChunk;
    SendMessageA(FControl, EM_STREAMIN, format == TStreamFormat::Rtf ? SF_RTF : SF_TEXT,
                 reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
  }
  void Close() override {
    if (FFile != INVALID_HANDLE_VALUE) CloseHandle(FFile);
    FFile = INVALID_HANDLE_VALUE;
  }

 private:
  HWND FControl;
  HANDLE FFile = INVALID_HANDLE_VALUE;
};

}  // namespace

TRichEdit::TRichEdit(TWinControl* parent) : TWinControl(parent) {
  TFontAttributes font = Font().Attributes();
  font.Name = "ＭＳ ゴシック";
  font.Height = 12;
  font.Charset = kShiftJisCharset;
  font.Pitch = TFontPitch::Fixed;
  font.Color = kColorWindowText;
  font.Style = 0;
  Font().Assign(font);
  SetTabStop(true);
  // No ES_NOHIDESEL (the selection hides without the focus), no horizontal
  // scrolling (lines wrap), no ES_DISABLENOSCROLL (the bar only when needed).
  CreateChild(kRichEditClass, WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
              WS_EX_CLIENTEDGE);
}

void TRichEdit::CreateWindowHandle() {
  LoadRichEditLibrary();
  TWinControl::CreateWindowHandle();
  // Rich Edit 1.0 takes only 32K characters unless told otherwise.
  SendMessageA(Handle(), EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
  ApplyPlainTextFormat();
}

LRESULT TRichEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = TWinControl::WndProc(message, wParam, lParam);
  // The platform's multi-line rich edit asks for Tab and for every key
  // (DLGC_WANTMESSAGE), which would keep Tab in the area.
  constexpr LRESULT kKeysKeptHere = DLGC_WANTTAB | DLGC_WANTMESSAGE;
  return message == WM_GETDLGCODE ? result & ~kKeysKeptHere : result;
}

void TRichEdit::LoadFromFile(const std::string& fileName) {
  TRichEditStream stream(HandleNeeded());
  ReadDocument(stream, fileName);
}

void TRichEdit::Print(const std::string& jobTitle) {
  PrintDocument(HandleNeeded(), Font().Attributes(), jobTitle, PumpApplicationMessages);
}

void TRichEdit::FontChanged() {
  TWinControl::FontChanged();
  ApplyPlainTextFormat();
}

void TRichEdit::ApplyPlainTextFormat() {
  if (!HandleAllocated()) return;
  const TFontAttributes& font = Font().Attributes();
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC |
                  CFM_UNDERLINE | CFM_STRIKEOUT;
  // A character height of 12 pixels at 96 per inch is 9 points.
  format.yHeight = font.Height * 72 * kTwipsPerPoint / 96;
  format.bCharSet = font.Charset;
  format.bPitchAndFamily =
      font.Pitch == TFontPitch::Fixed ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
  lstrcpynA(format.szFaceName, font.Name.c_str(), LF_FACESIZE);
  if (font.Color == kColorWindowText) {
    format.dwEffects = CFE_AUTOCOLOR;
  } else {
    format.crTextColor = ColorToRGB(font.Color);
  }
  if (font.Style & kFontBold) format.dwEffects |= CFE_BOLD;
  if (font.Style & kFontItalic) format.dwEffects |= CFE_ITALIC;
  if (font.Style & kFontUnderline) format.dwEffects |= CFE_UNDERLINE;
  if (font.Style & kFontStrikeOut) format.dwEffects |= CFE_STRIKEOUT;
  SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageA(Handle(), EM_SETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}
