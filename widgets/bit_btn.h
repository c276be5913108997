#pragma once
// A push button that draws a glyph beside its caption. The close kind shows
// an open door and closes the form that holds it.

#include "widgets/button.h"

enum class TBitBtnKind { Custom, Close };

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TWinControl* parent, TBitBtnKind kind = TBitBtnKind::Custom);
  ~TBitBtn() override;

  // The close kind closes its form instead of raising OnClick.
  void Click() override;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  TBitBtnKind FKind;
  HBITMAP FGlyph = nullptr;  // normal and greyed pictures side by side
};

// The close kind's caption.
inline constexpr const char* kCloseCaption = "閉じる(&C)";
