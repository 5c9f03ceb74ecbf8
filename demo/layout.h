// Lays out the sample product's distribution folder, as a vendor's disk
// would hold it: setup.exe, the install script and the licence in their
// scrambled form, the programs under their "_" names, and the other files.
#pragma once
#include <string>

namespace demo {

// `product`: the folder of the sample's clear source files (text, line ends
// made CR LF here); setup.txt becomes setup.ini and license.txt license.ini,
// both scrambled. `build`: the build folder, with setup.exe and the sample's
// programs in its demo sub-folder. `dist` is made when missing.
// Raises platform::AppError or std::runtime_error on a file it cannot read or write.
void LayOutSample(const std::string& product, const std::string& build, const std::string& dist);

}  // namespace demo
