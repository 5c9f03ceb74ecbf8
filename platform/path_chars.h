#pragma once
// Backslashes in paths, found character by character. In the code pages of
// Japanese, Chinese and Korean Windows the second byte of a character can be
// 0x5C, the backslash itself (the 表 of code page 932 is 0x95 0x5C), so a
// byte-wise search would cut such a name in two. Plain C++: the rules that
// need no Win32 use it too.
#include <cstddef>
#include <string>

namespace platform {

// Whether a byte begins a two-byte character in the code page in use.
using LeadByteTest = bool (*)(unsigned char);

// The system's ANSI code page, set once at program start; until then, and
// with nullptr, every byte is a character of its own.
void SetLeadByteTest(LeadByteTest test);

// Index of the last character of `path` that is one of `set` (single-byte
// characters), or npos.
std::size_t LastDelimiter(const std::string& path, const char* set);

// Index of the first character at or after `from` that is one of `set`, or npos.
std::size_t NextDelimiter(const std::string& path, std::size_t from, const char* set);

bool EndsWithBackslash(const std::string& path);
// One trailing backslash removed.
std::string WithoutTrailingBackslash(const std::string& path);
// "/" read as "\" (no double-byte character holds a "/").
std::string WithBackslashes(std::string path);
// WithBackslashes, without trailing backslashes except at a drive's root
// ("C:\"): the one spelling a folder is shown and compared in.
std::string PlainSpelling(const std::string& path);

}  // namespace platform
