#include "install/plan/szdd.h"

#include <algorithm>
#include <cstring>

namespace install {

namespace {

const char kMagic[] = {'S', 'Z', 'D', 'D', '\x88', '\xF0', '\x27', '\x33'};
constexpr char kMethod = 'A';

}  // namespace

std::optional<SzddHeader> ReadSzddHeader(const char* bytes, std::size_t size) {
  if (size < kSzddHeaderSize || std::memcmp(bytes, kMagic, sizeof kMagic) != 0 || bytes[8] != kMethod)
    return std::nullopt;
  SzddHeader header;
  header.lastCharacter = bytes[9];
  for (int i = 3; i >= 0; --i) header.expandedSize = header.expandedSize << 8 | static_cast<unsigned char>(bytes[10 + i]);
  return header;
}

std::string WriteSzddHeader(const SzddHeader& header) {
  std::string bytes(kMagic, sizeof kMagic);
  bytes += kMethod;
  bytes += header.lastCharacter;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(header.expandedSize >> (8 * i) & 0xFF);
  return bytes;
}

SzddExpander::SzddExpander(std::uint32_t expandedSize)
    : expected_(expandedSize), buffer_(kSzddWindow, ' ') {}

// The loop below runs once for every item a file holds: it keeps its state
// in locals and writes through a pointer into room made beforehand. The
// window is the output itself: the kSzddWindow bytes before the write point,
// blanks before the first.
bool SzddExpander::Feed(const char* bytes, std::size_t size, std::string& out) {
  static_assert((kSzddWindow & (kSzddWindow - 1)) == 0, "window positions wrap with a mask");
  constexpr std::size_t kMask = kSzddWindow - 1;
  // Two bytes of a reference give at most kSzddMaxMatch; a reference begun in
  // the piece before is finished by one. More than the header has left is
  // refused, so the room is never larger than that. A reference from far
  // enough back is copied kSzddMaxMatch bytes at a time, whatever its length:
  // the bytes past its end are written over by the next item.
  const std::size_t room = static_cast<std::size_t>(
      std::min<std::uint64_t>(expected_ - produced_, std::uint64_t{size} * (kSzddMaxMatch / 2) + kSzddMaxMatch));
  buffer_.resize(kSzddWindow + room + kSzddMaxMatch);
  char* const first = &buffer_[kSzddWindow];
  char* to = first;
  char* const limit = first + room;
  const auto* in = reinterpret_cast<const unsigned char*>(bytes);
  const unsigned char* const end = in + size;
  std::size_t position = position_;
  unsigned flags = flags_;
  bool intact = true;
  const auto copyReference = [&](unsigned low, unsigned high) {
    const std::size_t from = low | (high & 0xF0u) << 4;
    const std::size_t count = (high & 0x0Fu) + kSzddMinMatch;
    if (count > static_cast<std::size_t>(limit - to)) return false;
    const std::size_t back = ((position - from - 1) & kMask) + 1;  // the write position itself: a whole window back
    const char* source = to - back;
    if (back >= kSzddMaxMatch)
      std::memcpy(to, source, kSzddMaxMatch);
    else
      for (std::size_t i = 0; i < count; ++i) to[i] = source[i];  // overlapping: bytes it has just written
    to += count;
    position = (position + count) & kMask;
    return true;
  };
  if (pendingLow_ >= 0 && in != end) {
    intact = copyReference(static_cast<unsigned>(pendingLow_), *in++);
    pendingLow_ = -1;
  }
  while (intact && in != end) {
    if (flags <= 1) {
      flags = 0x100u | *in++;  // the marker bit counts the eight flags down
      continue;
    }
    const bool literal = flags & 1u;
    flags >>= 1;
    if (literal) {
      intact = to != limit;
      if (intact) {
        *to++ = static_cast<char>(*in++);
        position = (position + 1) & kMask;
      }
    } else if (end - in < 2) {
      pendingLow_ = *in++;
    } else {
      intact = copyReference(in[0], in[1]);
      in += 2;
    }
  }
  position_ = position;
  flags_ = flags;
  produced_ += static_cast<std::uint32_t>(to - first);
  out.append(first, to);
  // The window for the next piece: the last kSzddWindow bytes, in front again.
  std::memmove(&buffer_[0], to - kSzddWindow, kSzddWindow);
  buffer_.resize(kSzddWindow);
  return intact;
}

}  // namespace install
