#pragma once
// The about window: the program's name over a photograph, the author's
// e-mail and home-page links, and a close button. Modeless, on top.

#include "about/image.h"
#include "widgets/bevel.h"
#include "widgets/bit_btn.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/light_label.h"

class TForm2 : public TForm {
 public:
  TForm2();

  // Members in this order; the windowless ones are painted in it, each over
  // the ones before, and the button (a window) lies above them all.
  TBitBtn BitBtn1{this, TBitBtnKind::Close};
  TImage Image1{this};
  TLabel Label1{this};
  TLabel Label2{this};
  TLabel Label3{this};
  TBevel Bevel1{this};
  TLabel Label6{this};
  TLightLabel LightLabel1{this};
  TLightLabel LightLabel2{this};
  TLabel Label4{this};

 private:
  void SetUpLabels();
  void SetUpLink(TLightLabel& link, TJumpType type, const char* target, int top, int width);
};

// About2Click of the main window: a new about window each time, shown and
// painted before this returns.
void ShowAboutWindow();
