#include "platform/file_version.h"

#include <windows.h>

#include <vector>

#include "platform/late_bound.h"

namespace platform {

std::optional<std::uint64_t> FileVersion(const std::string& path) {
  static const auto sizeOf = LateBound<decltype(&GetFileVersionInfoSizeA)>("version.dll", "GetFileVersionInfoSizeA");
  static const auto read = LateBound<decltype(&GetFileVersionInfoA)>("version.dll", "GetFileVersionInfoA");
  static const auto query = LateBound<decltype(&VerQueryValueA)>("version.dll", "VerQueryValueA");
  if (!sizeOf || !read || !query) return std::nullopt;
  DWORD handle = 0;
  const DWORD size = sizeOf(path.c_str(), &handle);
  if (size == 0) return std::nullopt;
  std::vector<char> block(size);
  if (!read(path.c_str(), 0, size, block.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  char root[] = "\\";
  if (!query(block.data(), root, reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != 0xFEEF04BD)
    return std::nullopt;
  return std::uint64_t{fixed->dwFileVersionMS} << 32 | fixed->dwFileVersionLS;
}

}  // namespace platform
