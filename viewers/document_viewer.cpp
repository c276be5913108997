#include "viewers/document_viewer.h"

#include "platform/file_exists.h"

TDocumentViewer::TDocumentViewer(const TViewerDesign& design) : FDesign(design) {
  SetCaption(design.Caption);
  SetPosition(TPosition::ScreenCenter);
  SetBounds(0, 0, design.Width, design.Height);
}

void TDocumentViewer::SetUpButtons(TBitBtn& close, TBitBtn& print, int closeLeft, int printLeft,
                                   int top) {
  close.SetBounds(closeLeft, top, 99, 41);
  print.SetCaption("印刷(&P)");
  print.SetBounds(printLeft, top, 89, 41);
}

void ShowDocument(TApplication& application, TDocumentViewer& viewer) {
  const TViewerDesign& design = viewer.Design();
  if (!Win32FileExists(design.FileName)) {
    application.ShowMessage(design.MissingMessage);
    return;
  }
  viewer.Show();
  viewer.SelectFirst();
  viewer.TextArea().LoadFromFile(design.FileName);
}
