// Printing from the viewers on the system's default printer. The test command
// runs one case with a real PDF queue as the default printer (ZS_PRINT_OUT
// names its output folder, which check-printed-pdfs.sh then reads) and one
// with no print server at all.

#include "tests/viewers/viewer_test_support.h"

#include <cstdlib>

namespace {

void PostClick(TForm& form, TWinControl& button) {
  PostMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.Handle()));
}

TEST_F(ViewerTest, PrintsTheHelpAndAnEmptyReadmeOnTheDefaultQueue) {
  if (std::getenv("ZS_PRINT_OUT") == nullptr) GTEST_SKIP() << "no print queue was started";
  testsupport::WriteFileBytes("helpzs.txt", ShippedDocument("helpzs.txt"));
  testsupport::WriteFileBytes("zreadme.txt", "");
  Command(ShowHelpWindow);
  Command(ShowReadmeWindow);
  TShowHelpForm& help = *VisibleForms<TShowHelpForm>().at(0);
  TShowReadmeForm& readme = *VisibleForms<TShowReadmeForm>().at(0);

  // Waiting until the help job is spooled: the abort procedure dispatches it,
  // and a second job is refused while the first goes on.
  PostClick(readme, readme.BitBtnPrintReadme);
  help.BitBtnPrint.Click();
  ASSERT_EQ(BoxTexts(Watcher), std::vector<std::string>{"現在印刷中です."});
  EXPECT_TRUE(StopIcon(0));

  readme.BitBtnPrintReadme.Click();
  EXPECT_EQ(Watcher.Dialogs().size(), 1u);
}

TEST_F(ViewerTest, NoDefaultPrinterIsReportedEachTime) {
  if (std::getenv("ZS_EXPECT_NO_PRINTER") == nullptr) GTEST_SKIP() << "a printer may be there";
  testsupport::WriteFileBytes("helpzs.txt", "text\r\n");
  Command(ShowHelpWindow);
  TShowHelpForm& help = *VisibleForms<TShowHelpForm>().at(0);
  help.BitBtnPrint.Click();
  help.BitBtnPrint.Click();
  ASSERT_EQ(BoxTexts(Watcher), std::vector<std::string>(2, "デフォルト プリンタが存在しません."));
  EXPECT_TRUE(StopIcon(0));
  EXPECT_TRUE(StopIcon(1));
  EXPECT_TRUE(IsWindowVisible(help.Handle()));
}

}  // namespace
