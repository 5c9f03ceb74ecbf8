// The compressor of `setupkit layout --compress`: the platform's own
// COMPRESS.EXE format (install/szdd.h), which setup.exe, EXPAND.EXE and
// LZ32.DLL expand.
#pragma once
#include <string>

namespace kit {

// `bytes` compressed, with `lastCharacter` in the header (0 for none).
std::string CompressSzdd(const std::string& bytes, char lastCharacter);

}  // namespace kit
