#pragma once
// A UTF-16 database read as UTF-8, block by block, so that the search reads
// it as it reads a UTF-8 one: line ends are the 16-bit units CR and LF, and
// a unit that is no character (a lone surrogate, an odd byte at the end)
// becomes U+FFFD and is counted.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Reads up to `size` bytes into the buffer: the count, 0 at the end, -1 on
// an error.
using TReadBytes = std::function<long long(unsigned char* buffer, std::size_t size)>;

class TUtf16Reader {
 public:
  TUtf16Reader(TReadBytes read, bool bigEndian) : FSource(std::move(read)), FBigEndian(bigEndian) {}

  // As TReadBytes, with UTF-8 bytes.
  long long Read(unsigned char* buffer, std::size_t size);

  std::uint64_t Invalid() const { return FInvalidUnits; }

 private:
  bool Convert();
  char32_t Unit(std::size_t at) const;

  TReadBytes FSource;
  bool FBigEndian;
  std::vector<unsigned char> FRaw = std::vector<unsigned char>(64 * 1024);
  std::size_t FKept = 0;  // raw bytes that wait for the rest of their character
  std::string FPending;   // converted bytes, from FTaken on not yet read
  std::size_t FTaken = 0;
  bool FEnded = false;
  std::uint64_t FInvalidUnits = 0;
};
