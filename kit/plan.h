// `setupkit plan`: what the install would do, in the order it does it, and
// the uninstall record that it would save, built by the engine's own rules.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "kit/file_set.h"
#include "script/lines.h"

namespace kit {

// What only the user's machine knows. Empty fields take the defaults: the
// wizard's default destination, C:\WINDOWS, its Start Menu programs folder,
// script line 1, and the destination itself as its short form.
struct Machine {
  std::string destination, windows, programs, startMenu, shortDestination;
};

struct Plan {
  std::string steps;     // one line per step, for people
  script::Lines record;  // unin.ini, line by line
  std::string stop;      // the error that ends the install pass early, if any
  // What the install's journal will name, line by line: the kind letter and
  // the fields that name the thing, tab-separated; not the folders made, nor
  // what a thing held before.
  std::vector<std::string> journal;
};

// `text`: setup.ini as the file holds it; `settings`: config.cfg, empty
// when there is none. Shortcut files that the shell writes as ".pif" are
// recorded under that name by setup.exe; the plan names them ".lnk".
Plan MakePlan(std::string_view text, Machine machine, const FileSet& dist, std::string_view settings = {});

}  // namespace kit
