// What the author's tool reports: compiler-style lines that editors and CI
// logs already understand.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// A note tells what the install will do and is no fault.
enum class Severity { Error, Warning, Note };

struct Diagnostic {
  std::string file;  // "setup.ini", "config.cfg"
  std::size_t line;  // from 1
  Severity severity;
  std::string text;
};

// "setup.ini:41: error: text"
std::string Format(const Diagnostic& d);

// "2 errors, 1 warning" and the like.
std::string Summary(const std::vector<Diagnostic>& all);

bool HasErrors(const std::vector<Diagnostic>& all);

// A script's text in the double quotes that messages put around it.
std::string Quoted(std::string_view text);

}  // namespace kit
