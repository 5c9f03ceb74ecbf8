#pragma once
// setup.exe's switches. Without any, the wizard runs; with /S the install
// runs unattended, answered from them.
#include <optional>
#include <string>

namespace setup {

struct Options {
  bool usageError = false;  // a switch that is not known, a bad value, or switches without /S
  std::string refusal;      // what was refused and why, naming the switch as written
  bool help = false;        // /?
  bool silent = false;      // /S
  std::optional<std::string> destination;  // /D=, without a trailing backslash
  std::optional<std::string> group;        // /GROUP=, with "\\" between its parts
  bool readme = false;                     // /README
  bool acceptLicence = false;              // /ACCEPTLICENSE
  bool run = false;                        // /RUN
  bool restart = false;                    // /RESTART
  std::string logFile;                     // /LOG=
};

// The switches in any order, case-insensitive; a word may be quoted whole or
// after its "=". /D= takes the rest of the line, blanks and all.
Options ParseCommandLine(const std::string& arguments);

// Marks a usage error; the first refusal is the one reported.
void Refuse(Options& options, const std::string& text);

inline constexpr char kUsage[] =
    "Usage: setup.exe /S [/D=folder] [/GROUP=name] [/README] [/ACCEPTLICENSE] [/RUN] [/RESTART] "
    "[/LOG=file]\r\n\r\n"
    "/S runs the install without any window. /D= must come last.\r\n\r\n"
    "Exit codes: 0 installed; 1 licence not accepted or install not allowed; 2 usage error; "
    "3 installed, some files not copied; 4 stopped with an error; 5 the product is running; "
    "6 installed, some registry values not written; 3010 installed, restart needed.";

}  // namespace setup
