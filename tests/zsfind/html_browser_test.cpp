// The HTML result in a real browser: headless Chromium opens what zsfind
// wrote, and the test reads the page it built (the Japanese decoded from
// Shift_JIS, a kanji code page 932 lacks from a UTF-8 database, the marks,
// the table cells, the headings, the chart, the escaped text) and the PDF it prints (every record
// whole on one page, no controls); browser/page_test.js works the page as a user does. Skipped
// where Chromium is not installed; scripts/setup.sh installs it and the DevTools Protocol client
// that script drives it with.

#include "tests/zsfind/result_files.h"
#include "zsfind/zsfind_app.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using resultfiles::Count;
using resultfiles::Write;

const std::string kDir = std::filesystem::absolute("zsfind_html_browser_test").string();
const std::string kHtml = kDir + "/out.htm";
const std::string kDb = kDir + "/db.txt";
constexpr int kRows = 60;        // tab-separated records
constexpr int kParagraphs = 40;  // records without tabs, after them

// UTF-8 text, as the browser gives it back (narrow literals are Shift-JIS).
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string Number(int n) {
  std::string digits = std::to_string(n);
  return std::string(4 - digits.size(), '0') + digits;
}

// Tab-separated records with an author of four in turn, a year each, titles
// long enough to take several lines in a table cell and a number; records
// without tabs that take several lines; one short record without tabs.
std::string Database() {
  const std::string title = "超伝導体の表面における長い題名の研究、その方法と結果についての考察";
  const char* const authors[] = {"山田　太郎", "ｻﾄｳ ﾊﾅｺ", "=Suzuki, \"Ken\"", "阿部　正"};
  std::string db;
  for (int i = 1; i <= kRows; ++i) {
    db += "row" + Number(i) + "\t" + authors[i % 4] + "\t" + std::to_string(1950 + i) + "\t" +
          title + (i == 7 ? " A&B <i>not markup</i>" : "") + " end" + Number(i) + "\t" +
          std::to_string(i * 37 % 100) + "\t応用物理\r\n";
  }
  for (int i = kRows + 1; i <= kRows + kParagraphs; ++i) {
    db += "row" + Number(i) + " " + title + title + title + title + title + " end" + Number(i) +
          "\r\n";
  }
  return db + "一行だけのテストのレコード\r\n";
}

// Runs a command and returns what it wrote to its standard output.
std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      text.append(buffer, n);
    pclose(pipe);
  }
  return text;
}

bool HasChromium() { return std::system("command -v chromium >/dev/null 2>&1") == 0; }

// One headless Chromium run with a profile of its own; it returns once no
// process of that run is left.
std::string Chromium(const std::string& arguments) {
  char profile[] = "/tmp/zsfind-chromium.XXXXXX";
  if (!mkdtemp(profile)) return {};
  const std::string output = Output(
      "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
      "--disable-background-networking --disable-component-update --disable-sync "
      "--user-data-dir=" +
      std::string(profile) + " " + arguments + " 2>/dev/null");
  const auto running = [&] {
    DIR* proc = opendir("/proc");
    bool found = false;
    while (dirent* entry = proc ? readdir(proc) : nullptr) {
      const std::string line =
          resultfiles::Read("/proc/" + std::string(entry->d_name) + "/cmdline");
      found = found || line.find(profile) != std::string::npos;
    }
    if (proc) closedir(proc);
    return found;
  };
  for (int i = 0; i < 100 && running(); ++i) usleep(100000);
  std::filesystem::remove_all(profile);
  return output;
}

class HtmlInBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasChromium()) GTEST_SKIP() << "chromium is not installed";
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir);
    Write(kDb, Database());
    std::ostringstream out, err;
    // A search whose records are a table with a chart, then one appended
    // whose record is a paragraph (ﾃｽﾄ finds テスト).
    ASSERT_EQ(RunZsfind({"--text-out", kDir + "/out.txt", "--html-out", kHtml, "超伝導", "", kDb},
                        {std::nullopt, "", '/'}, out, err),
              0);
    ASSERT_EQ(RunZsfind({"--append", "--text-out", kDir + "/out.txt", "--html-out", kHtml, "ﾃｽﾄ",
                         "", kDb},
                        {std::nullopt, "", '/'}, out, err),
              0);
    // And one of a UTF-8 database, whose 鷗 code page 932 lacks (鴎外 finds it).
    Write(kDb + "8", "\xEF\xBB\xBF" + Utf8(u8"森鷗外の研究\r\n"));
    ASSERT_EQ(RunZsfind({"--append", "--text-out", kDir + "/out.txt", "--html-out", kHtml, "鴎外",
                         "", kDb + "8"},
                        {std::nullopt, "", '/'}, out, err),
              0);
  }
  void TearDown() override { std::filesystem::remove_all(kDir); }
};

TEST_F(HtmlInBrowser, ThePageHoldsTheRecordsAsTheBrowserBuildsIt) {
  const std::string dom = Chromium("--dump-dom file://" + kHtml);
  ASSERT_NE(dom.find("</html>"), std::string::npos) << dom.substr(0, 500);
  // Decoded from Shift_JIS: the text comes back as UTF-8.
  EXPECT_NE(dom.find(Utf8(u8"<h1>検索結果</h1>")), std::string::npos);
  EXPECT_EQ(Count(dom, "<section"), 3);
  // The script ran here (and so when the page is printed): a search box a section.
  EXPECT_EQ(Count(dom, "<input type=\"search\""), 3);
  // (The macros would spell the literal in Shift-JIS, which has no 鷗.)
  const std::string ogai = Utf8(u8"<p class=\"r\">森<mark>鷗外</mark>の研究</p>");
  EXPECT_NE(dom.find(ogai), std::string::npos);
  // One row a record, one cell a field, the hits marked inside the cells;
  // the headings name the fields (the volume, N * 37 % 100, sorts as numbers).
  EXPECT_EQ(Count(dom, "<tr><td>"), kRows);
  EXPECT_EQ(Count(dom, "<td>"), 6 * kRows);
  EXPECT_NE(dom.find(Utf8(u8"<tr><td>row0042</td><td>=Suzuki, \"Ken\"</td><td>1992</td><td><mark>"
                          u8"超伝導</mark>体の表面")),
            std::string::npos);
  EXPECT_EQ(Count(dom, Utf8(u8"<mark>超伝導</mark>")), kRows + 5 * kParagraphs);
  EXPECT_NE(dom.find(Utf8(u8" class=\"n\">数値</th>")), std::string::npos);
  // Text that looks like markup stays text.
  EXPECT_NE(dom.find("A&amp;B &lt;i&gt;not markup&lt;/i&gt;"), std::string::npos);
  EXPECT_EQ(dom.find("<i>"), std::string::npos);
  // The appended section: a paragraph, its hit folded from half-width kana.
  EXPECT_NE(dom.find(Utf8(u8"<p class=\"r\">一行だけの<mark>テスト</mark>のレコード</p>")),
            std::string::npos);
  // The chart of the first section only: a bar per decade from the 1950s.
  EXPECT_EQ(Count(dom, "<svg"), 1);
  EXPECT_EQ(Count(dom, "<rect"), 7);
  EXPECT_NE(dom.find(Utf8(u8"<title>1950年代 9 件</title>")), std::string::npos);
  EXPECT_NE(dom.find(Utf8(u8"<title>1960年代 10 件</title>")), std::string::npos);
}

TEST_F(HtmlInBrowser, PrintedRecordsAreNeverCutAcrossPages) {
  const std::string pdf = kDir + "/out.pdf";
  Chromium("--no-pdf-header-footer --print-to-pdf=" + pdf + " file://" + kHtml);
  const std::string text = Output("pdftotext " + pdf + " -");
  std::vector<std::string> pages;
  std::istringstream split(text);
  for (std::string page; std::getline(split, page, '\f');) pages.push_back(page);
  ASSERT_GT(pages.size(), 2u) << text.substr(0, 500);
  EXPECT_NE(pages[0].find(Utf8(u8"検索結果")), std::string::npos);
  EXPECT_NE(pages[0].find(Utf8(u8"年代別の該当件数")), std::string::npos);
  EXPECT_NE(pages[0].find("1950"), std::string::npos);
  // The controls the script adds are left out.
  EXPECT_EQ(text.find("CSV"), std::string::npos);
  EXPECT_EQ(text.find(Utf8(u8"すべて")), std::string::npos);
  // A record's first line and its last line are on the same page, in a table
  // row or a paragraph.
  for (int i = 1; i <= kRows + kParagraphs; ++i) {
    int first = -1, last = -1;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      if (pages[p].find("row" + Number(i)) != std::string::npos) first = static_cast<int>(p);
      if (pages[p].find("end" + Number(i)) != std::string::npos) last = static_cast<int>(p);
    }
    EXPECT_TRUE(first >= 0 && first == last) << "row " << i << ": " << first << " " << last;
  }
}

// Sorting, filtering, a decade, CSV and the clipboard, by clicks and keys.
TEST_F(HtmlInBrowser, AUserWorksTheControls) {
  ASSERT_TRUE(std::filesystem::exists(ZS_BROWSER_DIR "/node_modules/puppeteer-core"))
      << "run scripts/setup.sh";
  const std::string report =
      Output("node " ZS_BROWSER_DIR "/page_test.js " + kHtml + " 2>&1; echo exit $?");
  EXPECT_EQ(Count(report, "not ok"), 0) << report;
  EXPECT_NE(report.find("\nexit 0\n"), std::string::npos) << report;
}

}  // namespace
