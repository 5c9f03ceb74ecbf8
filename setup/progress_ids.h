#pragma once

// Control ids of the install window; fixed, so that UI automation can address them.
namespace setup::progress_ids {
enum : int { status = 100, progress };
}
