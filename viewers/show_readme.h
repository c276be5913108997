#pragma once
// The readme viewer: "zreadme.txt" of the working directory.

#include "viewers/document_viewer.h"

class TShowReadmeForm : public TDocumentViewer {
 public:
  TShowReadmeForm();

  TRichEdit RichEditShowArea{this};
  TBitBtn BitBtnClose{this, TBitBtnKind::Close};
  TBitBtn BitBtnPrintReadme{this};

  TRichEdit& TextArea() override { return RichEditShowArea; }
  void BitBtnPrintReadmeClick() { PrintText(); }
};

// Readme2Click of the main window: a new readme viewer each time.
void ShowReadmeWindow();
