#pragma once
#include <string>

#include "script/lines.h"

namespace install {

// What the install window reads of the wizard: its script lines, the
// destination box and the README check box.
class WizardFields {
 public:
  virtual const script::Lines& ScriptLines() const = 0;
  virtual std::string Destination() const = 0;
  virtual bool ReadmeWanted() const = 0;

 protected:
  ~WizardFields() = default;
};

}  // namespace install
