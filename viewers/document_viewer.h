#pragma once
// What the help and readme viewers share: a read-only window with a rich-text
// area, a close button and a print button, opened by a command of the main
// window, centred, and showing a document of the working directory.

#include "viewers/rich_edit.h"
#include "widgets/application.h"
#include "widgets/bit_btn.h"
#include "widgets/form.h"

#include <string>

// What tells one viewer from the other, besides the order of its controls.
struct TViewerDesign {
  std::string Caption;
  int Width;  // outer size
  int Height;
  const char* FileName;  // bare: looked up in the working directory
  const char* MissingMessage;
};

class TDocumentViewer : public TForm {
 public:
  const TViewerDesign& Design() const { return FDesign; }
  // The area that shows the document.
  virtual TRichEdit& TextArea() = 0;

 protected:
  explicit TDocumentViewer(const TViewerDesign& design);
  // Prints the area's text with the document's name as the job title.
  void PrintText() { TextArea().Print(FDesign.FileName); }
  // Places the buttons and captions the print button; the controls
  // themselves are the derived class's members, created in their order, and
  // each viewer wires its own print handler.
  static void SetUpButtons(TBitBtn& close, TBitBtn& print, int closeLeft, int printLeft, int top);

 private:
  const TViewerDesign& FDesign;
};

// A new viewer of the class, owned by the application. When its document is
// missing, the design's message is shown and the viewer stays hidden;
// otherwise it is shown centred and active, and then the document is read.
template <class TViewer>
void OpenViewer(TApplication& application) {
  auto& viewer = application.CreateForm<TViewer>();
  ShowDocument(application, viewer);
}

void ShowDocument(TApplication& application, TDocumentViewer& viewer);
