// Lays out the sample product's distribution folder with the author's tool,
// as `make demo` does: setup.exe, the scrambled script and licence, the
// sample's programs under their "_" names and the other files.
#pragma once
#include <cstdint>
#include <string>

namespace demo {

// `product`: the sample's clear source folder; `build`: the build folder,
// with setup.exe, twremove.exe and the sample's program in demo\; `dist` is
// made when missing; `disk` and `compress` as kit::LayoutRequest's
// diskCapacity and compress. Raises what kit::LayOut raises.
void LayOutSample(const std::string& product, const std::string& build, const std::string& dist,
                  std::uint64_t disk = 0, bool compress = false);

}  // namespace demo
