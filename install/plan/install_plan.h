#pragma once
// The install plan: every step of an install, made from the script, the
// user's choices and what the plan must know of the machine, before
// anything is touched. The engine carries it out; setupkit prints it.
#include <functional>
#include <string>
#include <vector>

#include "install/plan/file_list.h"
#include "install/plan/steps.h"
#include "script/lines.h"

namespace install {

struct InstallChoices {
  std::string destination;  // no trailing backslash
  std::string group;        // the Start Menu folder, below the Programs folder
  bool readmeWanted = false;
};

struct MachineFacts {
  std::string sourceFolder;    // no trailing backslash
  std::string windows;         // the Windows folder
  std::string programsFolder;  // "" when unknown
  bool licenceThere = false;   // license.ini in the source folder
  LastCharacterOf lastCharacterOf;
};

struct InstallPlan {
  std::vector<Step> before;  // backups and the running-copy check
  std::vector<Step> pass;    // what the install window does
  std::vector<Step> after;   // the late value and the finishing question
  script::Lines record;      // unin.ini as the plan builds it; the shortcut steps name their lines
  std::string title;         // the product title, once the script is known to have one
};

// Where the install would stop with an error that the script alone decides
// ("List index out of bounds", a path file name that may not be written),
// the part holds a Stop step there, after the steps before it.
InstallPlan MakeInstallPlan(const script::Lines& script, const InstallChoices& choices, const MachineFacts& machine);

}  // namespace install
