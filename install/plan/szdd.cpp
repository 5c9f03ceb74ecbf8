#include "install/plan/szdd.h"

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

SzddExpander::SzddExpander(std::uint32_t expandedSize) : expected_(expandedSize) {
  std::memset(window_, ' ', sizeof window_);
}

bool SzddExpander::Put(char byte, std::string& out) {
  if (produced_ == expected_) return false;
  ++produced_;
  out += byte;
  window_[position_] = byte;
  position_ = (position_ + 1) % kSzddWindow;
  return true;
}

bool SzddExpander::Feed(const char* bytes, std::size_t size, std::string& out) {
  for (std::size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (pendingLow_ >= 0) {
      std::size_t from = static_cast<std::size_t>(pendingLow_) | (byte & 0xF0u) << 4;
      pendingLow_ = -1;
      for (std::size_t n = (byte & 0x0Fu) + kSzddMinMatch; n > 0; --n, from = (from + 1) % kSzddWindow)
        if (!Put(window_[from], out)) return false;
    } else if (flags_ <= 1) {
      flags_ = 0x100u | byte;  // the marker bit counts the eight flags down
    } else {
      const bool literal = flags_ & 1u;
      flags_ >>= 1;
      if (!literal)
        pendingLow_ = byte;
      else if (!Put(static_cast<char>(byte), out))
        return false;
    }
  }
  return true;
}

}  // namespace install
