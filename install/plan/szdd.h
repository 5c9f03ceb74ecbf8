#pragma once
// The compressed-file format of the platform's COMPRESS.EXE ("SZDD"), which
// every Windows since 3.1 expands: a 14-byte header (magic, the method 'A',
// the last character of the name that "_" replaced, the expanded length),
// then LZSS over a 4096-byte window that starts filled with blanks. Each
// flag byte tells, from its lowest bit up, whether the next item is a byte
// as it is (1) or a reference of two bytes into the window (0): the position
// in the low byte and the high nibble of the second, the length, less 3, in
// its low nibble.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace install {

constexpr std::size_t kSzddHeaderSize = 14;
// No compressed file expands to more than this many times its size: eight
// copies of 18 bytes from 17 bytes of data at the most.
constexpr std::uint64_t kSzddMostExpansion = 9;
constexpr std::size_t kSzddWindow = 4096;
constexpr std::size_t kSzddFirstPosition = kSzddWindow - 16;
constexpr std::size_t kSzddMinMatch = 3;
constexpr std::size_t kSzddMaxMatch = 18;

struct SzddHeader {
  char lastCharacter = 0;  // 0 when the compressor was not told the name
  std::uint32_t expandedSize = 0;
};

// The header at the start of `bytes`, or nothing when they do not begin with one.
std::optional<SzddHeader> ReadSzddHeader(const char* bytes, std::size_t size);
std::string WriteSzddHeader(const SzddHeader& header);

// Expands the data after the header, fed in pieces of any size as they are
// read. More output than the header's size is refused at once, less at the end.
class SzddExpander {
 public:
  explicit SzddExpander(std::uint32_t expandedSize);
  // Appends what `bytes` expand to; false when the data are damaged.
  bool Feed(const char* bytes, std::size_t size, std::string& out);
  // Whether everything the header promised came out.
  bool Complete() const { return produced_ == expected_; }

 private:
  std::uint32_t expected_, produced_ = 0;
  std::string buffer_;  // the window, then room for what a piece expands to
  std::size_t position_ = kSzddFirstPosition;
  unsigned flags_ = 0;        // the flag byte's unread bits, above a marker bit
  int pendingLow_ = -1;       // the first byte of a reference split between pieces
};

}  // namespace install
