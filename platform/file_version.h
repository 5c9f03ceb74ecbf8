#pragma once
// The fixed file version of a program or library, from its version resource.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The four parts of the version in one number (major in the top 16 bits),
// so that versions compare as numbers; nothing for a file without a version
// resource, or one that cannot be read.
std::optional<std::uint64_t> FileVersion(const std::string& path);

}  // namespace platform
