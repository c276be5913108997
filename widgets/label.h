#pragma once
// A text label painted by its parent: caption, font, background colour or
// transparency, and sizing itself to its text.

#include "widgets/graphic_control.h"

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TWinControl* parent);

  void Paint(HDC dc) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  // Long lines wrap within the width (which then stays).
  void SetWordWrap(bool wrap);

  void SettleBounds() override;

 protected:
  void CaptionChanged() override;
  void FontChanged() override;
  void BoundsChanged(const RECT& old) override;

 private:
  UINT TextFormat() const;
  void AdjustSize();
  void MeasureText();

  TColor FColor = kColorBtnFace;
  bool FTransparent = false;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FAdjusting = false;
  // Text is measured once the parent can be drawn, or when settled: a window
  // never shown measures nothing, and one made measures once.
  bool FSizeStale = false;
};
