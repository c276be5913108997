#include "viewers/rich_edit.h"

#include "viewers/document_loading.h"
#include "viewers/document_printer.h"
#include "viewers/rich_edit_library.h"
#include "widgets/application.h"
#include "widgets/graphics.h"

#include <richedit.h>

namespace {

constexpr int kTwipsPerPoint = 20;

void PumpApplicationMessages() { Application->PumpPendingMessages(); }

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
  LoadDocument(HandleNeeded(), fileName);
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
