#pragma once
#include <string>

#include "install/folders.h"
#include "install/journal.h"
#include "script/lines.h"

namespace install {

// What the copy phase shows while it works.
class CopyView {
 public:
  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetProgress(int position) = 0;
  // Draws the window now; pending input is not processed.
  virtual void Repaint() = 0;
  // A modal message with a single OK button.
  virtual void Tell(const std::string& text) = 0;

 protected:
  ~CopyView() = default;
};

// Copies the files of the ":files" list and appends the installed paths to
// the uninstall record and the journal. Returns the destination prefix in
// force at the end.
std::string CopyFiles(const script::Lines& files, const script::Lines& lbKeep, const Folders& folders,
                      CopyView& view, script::Lines& record, Journal& journal);

// Copies the ":extra" file into a sub-folder of the destination; failures are
// not reported and only the journal records it.
void CopyExtra(const std::string& extraFile, const std::string& extraFolder, const Folders& folders,
               Journal& journal);

}  // namespace install
