// The marker lines of the install script. Markers are whole lines, compared
// exactly: case-sensitive, no trimming.
#pragma once

#include <cstddef>
#include <string_view>

namespace script::marker {

// List sections, closed by a line that is just ":".
inline constexpr std::string_view kFiles = ":files";
inline constexpr std::string_view kKeep = ":keep";
inline constexpr std::string_view kSystemIni = ":system.ini";
inline constexpr std::string_view kIni = ":ini";
inline constexpr std::string_view kReg = ":reg";
inline constexpr std::string_view kReg1 = ":reg1";
inline constexpr std::string_view kRegAdd = ":regadd";
inline constexpr std::string_view kRegRemove = ":regremove";
inline constexpr std::string_view kDelReg = ":delreg";
inline constexpr std::string_view kUnin = ":unin";
inline constexpr std::string_view kExe = ":exe";

// Value sections: the line(s) right after the marker.
inline constexpr std::string_view kRun = ":run";
inline constexpr std::string_view kExtra = ":extra";  // two lines
inline constexpr std::string_view kExit = ":exit";
inline constexpr std::string_view kRunServices = ":runservices";
inline constexpr std::string_view kRunStart = ":runstart";
inline constexpr std::string_view kWindow = ":window";
// The author's brand in the wizard: big title, subtitle, the folder word of
// the destination page (three lines).
inline constexpr std::string_view kBrand = ":brand";

// Flag section: present or not.
inline constexpr std::string_view kReboot = ":reboot";

// Ends a list section.
inline constexpr std::string_view kSectionEnd = ":";

// Every list section.
inline constexpr std::string_view kLists[] = {kFiles, kKeep, kSystemIni, kIni,  kReg, kReg1,
                                              kRegAdd, kRegRemove, kDelReg, kUnin, kExe};
// Every value section, with the number of lines it reads.
struct ValueMarker {
  std::string_view text;
  std::size_t lines;
};
inline constexpr ValueMarker kValues[] = {{kRun, 1},      {kExtra, 2},    {kExit, 1}, {kRunServices, 1},
                                          {kRunStart, 1}, {kWindow, 1},   {kBrand, 3}};

}  // namespace script::marker
