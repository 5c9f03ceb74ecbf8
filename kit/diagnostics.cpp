#include "kit/diagnostics.h"

namespace kit {

std::string Format(const Diagnostic& d) {
  const char* kind = d.severity == Severity::Error ? ": error: " : d.severity == Severity::Warning ? ": warning: " : ": note: ";
  return d.file + ":" + std::to_string(d.line) + kind + d.text;
}

std::string Summary(const std::vector<Diagnostic>& all) {
  std::size_t errors = 0, warnings = 0;
  for (const Diagnostic& d : all) {
    errors += d.severity == Severity::Error;
    warnings += d.severity == Severity::Warning;
  }
  return std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") + std::to_string(warnings) +
         (warnings == 1 ? " warning" : " warnings");
}

bool HasErrors(const std::vector<Diagnostic>& all) {
  for (const Diagnostic& d : all)
    if (d.severity == Severity::Error) return true;
  return false;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace kit
