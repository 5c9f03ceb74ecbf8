#pragma once
// SHA-256 of a text, as 64 lower-case hex digits: the journal's digest, which
// a change to the journal cannot keep.
#include <string>

namespace install {

std::string Sha256Hex(const std::string& bytes);

}  // namespace install
