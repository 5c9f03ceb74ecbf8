#pragma once
// The install engine run in the test's own process, as setup.exe runs it:
// a plan made from a script, carried out with a front end that accepts the
// licence, answers Yes and shows nothing.
#include <string>
#include <vector>

#include "install/apply/executor.h"
#include "script/lines.h"
#include "script/sections.h"

namespace driver {

struct EngineRun {
  install::InstallOutcome outcome;
  std::vector<std::string> notes;  // what the unattended run would log
};

// `script`: setup.ini's lines; the Start Menu folder is its line 1.
// `windows`: the Windows folder as the install takes it; "" for the real one.
EngineRun RunEngine(const script::Lines& script, const std::string& source, const std::string& destination,
                    const std::string& programs, const std::string& windows = "");

// A script of three header lines ("\Test", "Test", "Test") and the sections
// that `sections` holds: list sections with their lines, value sections with
// their text.
script::Lines ScriptOf(const script::Sections& sections);

}  // namespace driver
