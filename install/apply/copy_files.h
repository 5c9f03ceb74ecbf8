#pragma once
// The copy steps: the free-space question before them, each ":files" entry
// and the ":extra" file.
#include <cstddef>
#include <string>
#include <vector>

#include "install/apply/front_end.h"
#include "install/apply/journal.h"
#include "install/plan/steps.h"

namespace install {

// The bytes the copy steps install, added up per destination drive, against
// the drive's free space. Where they do not fit, the user is asked whether to
// go on; false when the answer is No.
bool EnoughSpace(const std::vector<const step::ListedFile*>& copies, const std::string& title, FrontEnd& frontEnd);

struct CopyTally {
  std::size_t failed = 0;      // copies that failed, each shown to the front end
  bool restartNeeded = false;  // a file in use takes its new copy at the next start
};

// One ":files" entry, with its status line, progress, disk prompts and
// error. The journal notes the file as it is copied.
void CopyListedFile(const step::ListedFile& copy, FrontEnd& frontEnd, Journal& journal, CopyTally& tally);

// The ":extra" file; a failure is not shown, only journaled.
void CopyExtraFile(const step::ExtraFile& extra, Journal& journal);

}  // namespace install
