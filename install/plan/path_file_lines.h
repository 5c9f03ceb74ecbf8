#pragma once
#include <functional>
#include <string>

#include "script/lines.h"

namespace install {

using ShortPathFn = std::function<std::string(const std::string&)>;

// The lines of the path file, built in `out` (the install window's list `un`,
// emptied first): ":run", the destination folder, then for each ":ini" line
// after the first a ">" line gives the Windows folder and a "~" line the
// short form of the destination folder followed directly by the rest of the
// line; other lines give nothing.
void FillPathFile(script::Lines& out, const script::Lines& iniLines, const std::string& windowsFolder,
                  const std::string& destination, const ShortPathFn& shortPath);

// Whether the ":ini" line names a file the path file may be: a plain name
// (no "\", "/" or ":", no "..") that is none of the system's own files
// (system.ini, win.ini, protocol.ini, autoexec.bat, config.sys, msdos.sys),
// which the three lines would replace whole.
bool IsPathFileName(const std::string& name);

}  // namespace install
