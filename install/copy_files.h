#pragma once
#include <string>

#include "install/folders.h"
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
  // A warning with the buttons Yes and No; true for Yes.
  virtual bool Ask(const std::string& text) = 0;

 protected:
  ~CopyView() = default;
};

// Before the first copy: the bytes to copy, added up per destination drive,
// against the drive's free space. Where they do not fit, the user is asked
// whether to go on; false when the answer is No.
bool EnoughSpace(const script::Lines& files, const Folders& folders, const std::string& title, CopyView& view);

// Copies the files of the ":files" list and appends the installed paths to
// the uninstall record. Returns the destination prefix in force at the end.
std::string CopyFiles(const script::Lines& files, const script::Lines& lbKeep, const Folders& folders,
                      CopyView& view, script::Lines& record);

// Copies the ":extra" file into a sub-folder of the destination; failures are
// not reported and nothing is recorded.
void CopyExtra(const std::string& extraFile, const std::string& extraFolder, const Folders& folders);

}  // namespace install
