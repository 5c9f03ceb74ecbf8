#pragma once

// Control ids of the install window; fixed, so that UI automation can address them.
namespace install::ids {
enum : int { Label1 = 100, progress };
}
