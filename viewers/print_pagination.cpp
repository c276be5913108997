#include "viewers/print_pagination.h"

namespace {

constexpr long long kTwipsPerInch = 1440;

int ToTwips(int pixels, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return static_cast<int>(pixels * kTwipsPerInch / pixelsPerInch);
}

bool MoreToPrint(long next, long previous, long length) {
  // A formatter that makes no progress would otherwise feed pages forever.
  return next < length && next != -1 && next > previous;
}

}  // namespace

TTwipsRect PageRectInTwips(const TPageMetrics& metrics) {
  return {0, 0, ToTwips(metrics.PrintableWidth, metrics.PixelsPerInchX),
          ToTwips(metrics.PrintableHeight, metrics.PixelsPerInchY)};
}

int PrintAllPages(TPrintDevice& device, TPageFormatter& formatter) {
  const TTwipsRect page = PageRectInTwips(device.Metrics());
  device.EnterPixelMapping();
  formatter.FlushCache();
  int pages = 1;
  try {
    const long length = formatter.TextLength();
    long first = 0;
    long next = formatter.RenderPage(first, page);
    while (MoreToPrint(next, first, length)) {
      device.NewPage();
      ++pages;
      first = next;
      next = formatter.RenderPage(first, page);
    }
  } catch (...) {
    formatter.FlushCache();
    device.RestoreMapping();
    throw;
  }
  formatter.FlushCache();
  device.RestoreMapping();
  return pages;
}
