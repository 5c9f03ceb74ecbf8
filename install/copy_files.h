#pragma once
#include <string>

#include "install/file_list.h"
#include "install/folders.h"
#include "install/journal.h"
#include "script/lines.h"

namespace install {

// What the copy phase shows while it works.
class CopyView : public StepNotes {
 public:
  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetProgress(int position) = 0;
  // Draws the window now; pending input is not processed.
  virtual void Repaint() = 0;
  // A modal message with a single OK button.
  virtual void Tell(const std::string& text) = 0;
  // A warning with the buttons Yes and No; true for Yes.
  virtual bool Ask(const std::string& text) = 0;
  // The prompt for the disk that holds `line`; false stops prompting (the
  // copy is then tried at once).
  virtual bool InsertDisk(const std::string& line) = 0;
  // A file whose copy failed, with the system's error code.
  virtual void CopyFailed(const std::string& line, unsigned long error) = 0;

 protected:
  ~CopyView() = default;
};

// Before the first copy: the bytes to copy, added up per destination drive,
// against the drive's free space. Where they do not fit, the user is asked
// whether to go on; false when the answer is No.
bool EnoughSpace(const FileList& list, const std::string& sourceFolder, const std::string& title, CopyView& view);

struct CopyResult {
  std::size_t failed = 0;      // copies that failed, each shown to the view
  bool restartNeeded = false;  // a file in use takes its new copy at the next start
};

// Copies the files that the walk over the ":files" list found; `entries` is
// the list's length, for the progress bar. The journal notes each as it is
// copied; the uninstall record lists them whether or not their copy
// succeeded, so it is made apart from this.
CopyResult CopyFiles(const FileList& list, std::size_t entries, const script::Lines& lbKeep, const Folders& folders,
                     CopyView& view, Journal& journal);

// Copies the ":extra" file into a sub-folder of the destination; failures are
// not reported and only the journal records it.
void CopyExtra(const std::string& extraFile, const std::string& extraFolder, const Folders& folders,
               Journal& journal);

}  // namespace install
