#pragma once
#include <string>

#include "install/copy_files.h"

namespace install {

// The questions and messages of the install pass. The wizard answers them by
// asking the user; the unattended run answers them from its command line and
// writes them to its log.
class FrontEnd : public CopyView {
 public:
  // The licence agreement's text: true when it is accepted.
  virtual bool AcceptLicence(const std::string& text) = 0;
  // The README's text, when the README is wanted.
  virtual void ShowReadme(const std::string& text) = 0;

 protected:
  ~FrontEnd() = default;
};

}  // namespace install
