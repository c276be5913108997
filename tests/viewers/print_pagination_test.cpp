// The page loop against a printer and a control that record every call.

#include "viewers/print_pagination.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class TFakePrinter : public TPrintDevice, public TPageFormatter {
 public:
  TPageMetrics Page{4800, 6600, 600, 600};
  long Length = 0;
  std::vector<long> Breaks;  // what each pass returns, in order
  int FailOnPage = 0;        // NewPage throws when reaching this page
  std::vector<std::string> Log;
  int Pages = 1;

  TPageMetrics Metrics() override { return Page; }
  void EnterPixelMapping() override { Log.push_back("map"); }
  void RestoreMapping() override { Log.push_back("restore"); }
  void NewPage() override {
    ++Pages;
    if (Pages == FailOnPage) throw std::runtime_error("page");
    Log.push_back("page");
  }
  long TextLength() override { return Length; }
  long RenderPage(long first, const TTwipsRect& page) override {
    Log.push_back("render " + std::to_string(first) + " " + std::to_string(page.Right) + "x" +
                  std::to_string(page.Bottom));
    const std::size_t pass = RenderCount++;
    return pass < Breaks.size() ? Breaks[pass] : Length;
  }
  void FlushCache() override { Log.push_back("flush"); }

 private:
  std::size_t RenderCount = 0;
};

TEST(PageRectInTwips, WholePrintableAreaInIntegerTwips) {
  const struct {
    TPageMetrics Metrics;
    TTwipsRect Rect;
  } cases[] = {
      {{4800, 6600, 600, 600}, {0, 0, 11520, 15840}},
      {{4958, 7016, 600, 600}, {0, 0, 11899, 16838}},  // A4 at 600 dpi: 11899.2, 16838.4
      {{2479, 3508, 300, 301}, {0, 0, 11899, 16782}},  // each axis with its own resolution
      {{0, 0, 600, 600}, {0, 0, 0, 0}},
      {{100000, 100000, 96, 96}, {0, 0, 1500000, 1500000}},  // no overflow on a large page
      {{100, 100, 0, 0}, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(PageRectInTwips(c.Metrics), c.Rect);
}

TEST(PrintAllPages, EmptyDocumentPrintsOneEmptyPage) {
  TFakePrinter p;
  EXPECT_EQ(PrintAllPages(p, p), 1);
  EXPECT_EQ(p.Log,
            (std::vector<std::string>{"map", "flush", "render 0 11520x15840", "flush", "restore"}));
}

TEST(PrintAllPages, PagesUntilTheRestFitsOrTheControlSaysMinusOne) {
  const struct {
    const char* Name;
    long Length;
    std::vector<long> Breaks;
    int Pages;
    std::vector<long> Firsts;
  } cases[] = {
      {"fits", 500, {500}, 1, {0}},
      {"three pages", 500, {200, 400, 500}, 3, {0, 200, 400}},
      {"beyond the end", 500, {200, 700}, 2, {0, 200}},
      {"minus one", 500, {200, -1}, 2, {0, 200}},
      {"minus one at once", 500, {-1}, 1, {0}},
      {"no progress stops", 500, {200, 200}, 2, {0, 200}},
      {"nothing fits", 500, {0}, 1, {0}},
  };
  for (const auto& c : cases) {
    TFakePrinter p;
    p.Length = c.Length;
    p.Breaks = c.Breaks;
    EXPECT_EQ(PrintAllPages(p, p), c.Pages) << c.Name;
    std::vector<std::string> expected{"map", "flush"};
    for (std::size_t i = 0; i < c.Firsts.size(); ++i) {
      if (i > 0) expected.push_back("page");
      expected.push_back("render " + std::to_string(c.Firsts[i]) + " 11520x15840");
    }
    expected.insert(expected.end(), {"flush", "restore"});
    EXPECT_EQ(p.Log, expected) << c.Name;
  }
}

TEST(PrintAllPages, FlushesAndRestoresWhenAPageFails) {
  TFakePrinter p;
  p.Length = 500;
  p.Breaks = {100, 200, 300};
  p.FailOnPage = 3;
  EXPECT_THROW(PrintAllPages(p, p), std::runtime_error);
  EXPECT_EQ(p.Log, (std::vector<std::string>{"map", "flush", "render 0 11520x15840", "page",
                                             "render 100 11520x15840", "flush", "restore"}));
}

}  // namespace
