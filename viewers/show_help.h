#pragma once
// The help viewer: "helpzs.txt" of the working directory.

#include "viewers/document_viewer.h"

class TShowHelpForm : public TDocumentViewer {
 public:
  TShowHelpForm();

  TBitBtn BitBtnClose{this, TBitBtnKind::Close};
  TBitBtn BitBtnPrint{this};
  TRichEdit RichEditShowHint{this};

  TRichEdit& TextArea() override { return RichEditShowHint; }
  void BitBtnPrintClick() { PrintText(); }
};

// ShowHelpWindowClick of the main window: a new help viewer each time.
void ShowHelpWindow();
