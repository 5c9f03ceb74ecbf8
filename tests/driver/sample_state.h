#pragma once
// What an install of the sample product leaves in a prefix, to compare two
// installs of it, and the way back to the prefix as it was before one.
#include <string>

#include "snapshot.h"

namespace driver {

// Every file below the destination and the program group and the files the
// sample puts elsewhere (its profile files among them), path -> bytes, a
// shortcut by what it holds (its file carries the times of its target); the
// registry values below Software and the classes, as TakeSnapshot gives them.
// Differences() compares two.
Snapshot SampleInstallState(const std::string& destination);

// Runs the removal that the sample's record names, answering Yes, then
// deletes what no removal takes back (the removal program itself). Throws
// when the removal does not end well.
void RemoveSampleInstall();

}  // namespace driver
