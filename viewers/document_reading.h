#pragma once
// The order in which a document file is read into a text area: open, read as
// RTF, and where the control reports an error go back to the start and read it
// as plain text. Plain logic: the file and the control are passed in.

#include <string>

inline constexpr const char* kStreamFailedMessage = "ストリームからの読み込みに失敗しました";

enum class TStreamFormat { Rtf, PlainText };

// One document file and the text area it is streamed into.
class TDocumentStream {
 public:
  virtual ~TDocumentStream() = default;
  // Opens the file for reading (others may read it, not write it); raises the
  // open error when it cannot.
  virtual void Open(const std::string& fileName) = 0;
  // Back to the start of the open file.
  virtual void Rewind() = 0;
  // Replaces the area's whole text with what is read from the current
  // position on; false when the control reports an error.
  virtual bool StreamIn(TStreamFormat format) = 0;
  virtual void Close() = 0;
};

// Reads the file into the area. Raises the open error, or
// kStreamFailedMessage when neither reading succeeds; an open file is closed
// in every case.
void ReadDocument(TDocumentStream& stream, const std::string& fileName);

// "ファイル "<full path>". <reason> は開けません", joined piece by piece: the
// path is the user's text and never goes through a format string.
std::string OpenErrorText(const std::string& fullPath, const std::string& reason);
