#pragma once
#include <string>

namespace install {

// Removes from a system.ini text every line that mentions the product's old
// driver ("qzmnd", case-sensitive, anywhere in the line). A line ends after
// LF, so CR LF and bare LF files alike lose only the matching lines; every
// other byte stays as it was. Returns whether anything was removed.
bool DropDriverLines(std::string& text);

}  // namespace install
