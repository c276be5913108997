#include "viewers/document_reading.h"

#include <stdexcept>

namespace {

// Closes the stream's file when the reading ends, also by an error.
class TCloseAtEnd {
 public:
  explicit TCloseAtEnd(TDocumentStream& stream) : FStream(stream) {}
  ~TCloseAtEnd() { FStream.Close(); }
  TCloseAtEnd(const TCloseAtEnd&) = delete;
  TCloseAtEnd& operator=(const TCloseAtEnd&) = delete;

 private:
  TDocumentStream& FStream;
};

}  // namespace

void ReadDocument(TDocumentStream& stream, const std::string& fileName) {
  stream.Open(fileName);
  const TCloseAtEnd closer(stream);
  if (stream.StreamIn(TStreamFormat::Rtf)) return;
  stream.Rewind();
  if (!stream.StreamIn(TStreamFormat::PlainText)) throw std::runtime_error(kStreamFailedMessage);
}

std::string OpenErrorText(const std::string& fullPath, const std::string& reason) {
  std::string text = "ファイル \"";
  text += fullPath;
  text += "\". ";
  text += reason;
  text += " は開けません";
  return text;
}
