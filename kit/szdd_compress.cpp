#include "kit/szdd_compress.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "install/plan/szdd.h"

namespace kit {

namespace {

using install::kSzddFirstPosition;
using install::kSzddMaxMatch;
using install::kSzddMinMatch;
using install::kSzddWindow;

// References reach back no further than the window less one longest match,
// so no decoder's ring can overwrite a byte before reading it.
constexpr std::size_t kReach = kSzddWindow - kSzddMaxMatch;
// How many earlier places with the same three bytes are tried: enough for
// nearly the best matches, few enough for tens of megabytes a second.
constexpr int kTries = 32;
constexpr std::size_t kHashBits = 14;

std::size_t Hash(const unsigned char* at) {
  return ((at[0] << 10) ^ (at[1] << 5) ^ at[2]) & ((1u << kHashBits) - 1);
}

// Finds the longest earlier match for position `at`; its length (0 below the least).
struct Match {
  std::size_t length = 0, distance = 0;
};

class Matcher {
 public:
  explicit Matcher(const std::string& bytes)
      : data_(reinterpret_cast<const unsigned char*>(bytes.data())), size_(bytes.size()),
        head_(std::size_t{1} << kHashBits, kNone), previous_(bytes.size(), kNone) {}

  Match Longest(std::size_t at) const {
    Match best;
    if (at + kSzddMinMatch > size_) return best;
    const std::size_t most = std::min(kSzddMaxMatch, size_ - at);
    std::size_t candidate = head_[Hash(data_ + at)];
    for (int tries = kTries; tries > 0 && candidate != kNone && at - candidate <= kReach; --tries) {
      std::size_t length = 0;
      while (length < most && data_[candidate + length] == data_[at + length]) ++length;
      if (length > best.length) best = {length, at - candidate};
      if (length == most) break;
      candidate = previous_[candidate];
    }
    if (best.length < kSzddMinMatch) best.length = 0;
    return best;
  }

  void Insert(std::size_t at) {
    if (at + kSzddMinMatch > size_) return;
    std::size_t& head = head_[Hash(data_ + at)];
    previous_[at] = head;
    head = at;
  }

 private:
  static constexpr std::size_t kNone = SIZE_MAX;
  const unsigned char* data_;
  std::size_t size_;
  std::vector<std::size_t> head_, previous_;
};

}  // namespace

std::string CompressSzdd(const std::string& bytes, char lastCharacter) {
  std::string out = install::WriteSzddHeader({lastCharacter, static_cast<std::uint32_t>(bytes.size())});
  out.reserve(out.size() + bytes.size() + bytes.size() / 8 + 1);
  Matcher matcher(bytes);
  std::size_t flagAt = 0;
  int items = 8;
  for (std::size_t at = 0; at < bytes.size();) {
    if (items == 8) {
      flagAt = out.size();
      out += '\0';
      items = 0;
    }
    const Match match = matcher.Longest(at);
    if (match.length == 0) {
      out[flagAt] = static_cast<char>(out[flagAt] | 1 << items);
      out += bytes[at];
      matcher.Insert(at++);
    } else {
      const std::size_t position = (kSzddFirstPosition + at - match.distance) % kSzddWindow;
      out += static_cast<char>(position & 0xFF);
      out += static_cast<char>((position >> 4 & 0xF0) | (match.length - kSzddMinMatch));
      for (std::size_t end = at + match.length; at < end;) matcher.Insert(at++);
    }
    ++items;
  }
  return out;
}

}  // namespace kit
