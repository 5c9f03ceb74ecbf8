// Feeds arbitrary bytes to setup.exe's expander as a compressed file, in two
// pieces split where the input says, and checks it against itself in one
// piece; then compresses the bytes and expands them back. A refusal of
// damaged data is expected; a crash, a sanitizer report, more output than
// the header promises, or a round trip that changes a byte is a bug.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "install/plan/szdd.h"
#include "kit/szdd_compress.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

std::optional<std::string> Expand(const std::string& file, std::size_t split) {
  const auto header = install::ReadSzddHeader(file.data(), file.size());
  if (!header) return std::nullopt;
  install::SzddExpander expander(header->expandedSize);
  std::string out;
  const std::string data = file.substr(install::kSzddHeaderSize);
  split = std::min(split, data.size());
  const bool ok = expander.Feed(data.data(), split, out) && expander.Feed(data.data() + split, data.size() - split, out);
  Require(out.size() <= header->expandedSize);
  if (!ok || !expander.Complete()) return std::nullopt;
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // As a compressed file: with a valid header in front when it has none.
  std::string file = bytes;
  if (!install::ReadSzddHeader(file.data(), file.size()))
    file = install::WriteSzddHeader({'x', static_cast<std::uint32_t>(size * 3)}) + bytes;
  const std::size_t split = size ? data[0] * size / 256 : 0;
  Require(Expand(file, split) == Expand(file, file.size()));
  Require(Expand(kit::CompressSzdd(bytes, 0), split) == bytes);
  return 0;
}
