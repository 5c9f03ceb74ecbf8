#pragma once
#include "install/journal.h"
#include "script/lines.h"

namespace install {

// Writes the ":system.ini" groups of four lines (file, section, key, value)
// in order. Each group is read from its last line back, so an incomplete last
// group throws ListIndexError before anything of it is written; the groups
// before it stay written. A refused write raises "Unable to write to %s".
// The journal learns each entry's earlier value first.
void WriteProfileEntries(const script::Lines& systemini, Journal& journal = Journal::None());

}  // namespace install
