#include "viewers/show_help.h"

namespace {

// The first word in full-width katakana and no blank before "簡易".
const TViewerDesign kHelpDesign{"ズノ文献ﾃﾞｰﾀﾍﾞｰｽ簡易検索ﾌﾟﾛｸﾞﾗﾑ ﾍﾙﾌﾟ", 394, 529, "helpzs.txt",
                                "ヘルプファイルが見つかりません．"};

}  // namespace

TShowHelpForm::TShowHelpForm() : TDocumentViewer(kHelpDesign) {
  SetUpButtons(BitBtnClose, BitBtnPrint, 280, 8, 448);
  BitBtnPrint.OnClick = [this] { BitBtnPrintClick(); };
  RichEditShowHint.SetBounds(8, 8, 369, 433);
}

void ShowHelpWindow() { OpenViewer<TShowHelpForm>(*Application); }
