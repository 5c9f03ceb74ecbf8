#pragma once

// Control ids of the reader; fixed, so that UI automation can address them.
namespace reader::ids {
enum : int { text = 100, ok, decline };
}
