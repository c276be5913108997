#include "viewers/show_readme.h"

#include "product/identity.h"

namespace {

const TViewerDesign kReadmeDesign{std::string(kProgramCaption) + " Readme", 426, 539, "zreadme.txt",
                                  "Readmeファイルが見つかりません．"};

}  // namespace

TShowReadmeForm::TShowReadmeForm() : TDocumentViewer(kReadmeDesign) {
  RichEditShowArea.SetBounds(8, 8, 401, 433);
  SetUpButtons(BitBtnClose, BitBtnPrintReadme, 304, 16, 456);
  BitBtnPrintReadme.OnClick = [this] { BitBtnPrintReadmeClick(); };
}

void ShowReadmeWindow() { OpenViewer<TShowReadmeForm>(*Application); }
