#pragma once

// Control ids of the reader; fixed, so that UI automation can address them.
namespace reader::ids {
enum : int { Memo1 = 100, button1, button2 };
}
