#pragma once
// Carries an install plan out, step by step, asking its questions through the
// front end, and tells how the install ended.
#include <cstddef>
#include <string>

#include "install/apply/front_end.h"
#include "install/plan/install_plan.h"

namespace install {


struct InstallOutcome {
  Ending ending = Ending::Installed;
  std::string error;  // the text of the error that stopped it
  std::size_t failedCopies = 0;
  // Registry values whose key did not open (an NT user without the right to
  // write there): the log names them, the wizard says nothing, as it always has.
  std::size_t valuesNotWritten = 0;
  bool restartDeclined = false;  // a restart was wanted and not made

  // Nothing installed and no question after it: the program ends.
  bool EndsProgram() const { return ending == Ending::Declined || ending == Ending::NoSpace; }
};

// The whole install sequence: the steps before the pass, the pass (shown by
// the front end), and the late value and finishing question, which follow a
// pass an error ended only where the front end says so. Each error is shown
// by the front end at the moment it ends its part.
InstallOutcome CarryOut(const InstallPlan& plan, FrontEnd& frontEnd);

}  // namespace install
