// The compressor and setup.exe's expander against each other, on data of
// every kind the layout meets, and the expander on damaged data.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "install/plan/szdd.h"
#include "kit/szdd_compress.h"

namespace {

using install::ReadSzddHeader;
using install::SzddExpander;

// Expands in pieces of `piece` bytes, as setup.exe reads a file; nothing when refused.
std::optional<std::string> Expand(const std::string& file, std::size_t piece) {
  const auto header = ReadSzddHeader(file.data(), file.size());
  if (!header) return std::nullopt;
  SzddExpander expander(header->expandedSize);
  std::string out;
  for (std::size_t at = install::kSzddHeaderSize; at < file.size(); at += piece)
    if (!expander.Feed(file.data() + at, std::min(piece, file.size() - at), out)) return std::nullopt;
  if (!expander.Complete()) return std::nullopt;
  return out;
}

std::string Noise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

TEST(Szdd, RoundTripsEveryKindOfData) {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "line " + std::to_string(i % 97) + " of the readme\r\n";
  const std::string cases[] = {
      "", "a", "ab", "abc", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", std::string(100000, '\0'),
      std::string(5000, ' '), text, Noise(70000, 1),
      // Repeats just inside and just beyond the window's reach.
      Noise(4070, 2) + Noise(4070, 2).substr(0, 40) + Noise(4100, 3) + Noise(4100, 3),
  };
  for (const std::string& original : cases)
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{65536}}) {
      const std::string file = kit::CompressSzdd(original, 'x');
      EXPECT_EQ(Expand(file, piece), original) << original.size() << " bytes in pieces of " << piece;
    }
  EXPECT_LT(kit::CompressSzdd(text, 0).size(), text.size() / 4);
  EXPECT_LT(kit::CompressSzdd(Noise(10000, 4), 0).size(), 10000u * 9 / 8 + 16);
}

TEST(Szdd, HeaderCarriesTheNameAndSize) {
  const std::string file = kit::CompressSzdd(std::string(300, 'q'), 't');
  const auto header = ReadSzddHeader(file.data(), file.size());
  ASSERT_TRUE(header);
  EXPECT_EQ(header->lastCharacter, 't');
  EXPECT_EQ(header->expandedSize, 300u);
  EXPECT_FALSE(ReadSzddHeader(file.data(), install::kSzddHeaderSize - 1));
  EXPECT_FALSE(ReadSzddHeader("MZ\x90\0\3\0\0\0\4\0\0\0\xff\xff", 14));
}

TEST(Szdd, DamagedDataAreRefused) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "chime " + std::to_string(i) + "\n";
  const std::string file = kit::CompressSzdd(text, 0);
  for (std::size_t cut : {file.size() - 1, file.size() / 2, install::kSzddHeaderSize})
    EXPECT_FALSE(Expand(file.substr(0, cut), 4096)) << "cut at " << cut;
  std::string longer = file;
  longer[10] = static_cast<char>(longer[10] - 1);  // the header promises one byte less
  EXPECT_FALSE(Expand(longer, 4096));
  EXPECT_FALSE(Expand(file + "\xff" "extra", 4096));
}

}  // namespace
