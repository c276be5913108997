// The order of reading a document, against a file and a control that record
// every call and answer as each case says.

#include "viewers/document_reading.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class TFakeStream : public TDocumentStream {
 public:
  bool OpenFails = false;
  bool RtfReads = false;
  bool PlainReads = false;
  std::vector<std::string> Log;

  void Open(const std::string& fileName) override {
    Log.push_back("open " + fileName);
    if (OpenFails) throw std::runtime_error("open error");
  }
  void Rewind() override { Log.push_back("rewind"); }
  bool StreamIn(TStreamFormat format) override {
    const bool rtf = format == TStreamFormat::Rtf;
    Log.push_back(rtf ? "rtf" : "plain");
    return rtf ? RtfReads : PlainReads;
  }
  void Close() override { Log.push_back("close"); }
};

TEST(ReadDocument, RtfFirstThenPlainFromTheStartAndTheFileClosedAlsoAfterAnError) {
  const struct {
    const char* Case;
    bool OpenFails, RtfReads, PlainReads;
    std::vector<std::string> Log;
    const char* Error;  // null when nothing is raised
  } cases[] = {
      {"RTF document", false, true, false, {"open helpzs.txt", "rtf", "close"}, nullptr},
      {"plain text document",
       false,
       false,
       true,
       {"open helpzs.txt", "rtf", "rewind", "plain", "close"},
       nullptr},
      {"neither",
       false,
       false,
       false,
       {"open helpzs.txt", "rtf", "rewind", "plain", "close"},
       "ストリームからの読み込みに失敗しました"},
      {"not opened: nothing to read or close", true, true, true, {"open helpzs.txt"}, "open error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    TFakeStream stream;
    stream.OpenFails = c.OpenFails;
    stream.RtfReads = c.RtfReads;
    stream.PlainReads = c.PlainReads;
    std::string error;
    try {
      ReadDocument(stream, "helpzs.txt");
    } catch (const std::runtime_error& e) {
      error = e.what();
    }
    EXPECT_EQ(stream.Log, c.Log);
    EXPECT_EQ(error, c.Error != nullptr ? c.Error : "");
  }
}

TEST(ReadDocument, ControlThatRaisesStillHasTheFileClosed) {
  struct TRaisingStream : TFakeStream {
    bool StreamIn(TStreamFormat format) override {
      TFakeStream::StreamIn(format);
      throw std::runtime_error("control");
    }
  } stream;
  EXPECT_THROW(ReadDocument(stream, "zreadme.txt"), std::runtime_error);
  EXPECT_EQ(stream.Log, (std::vector<std::string>{"open zreadme.txt", "rtf", "close"}));
}

TEST(OpenErrorText, QuotesThePathAndKeepsPercentSigns) {
  EXPECT_EQ(OpenErrorText("C:\\%s%d\\表.txt", "理由"),
            "ファイル \"C:\\%s%d\\表.txt\". 理由 は開けません");
}

}  // namespace
