#pragma once
// Control ids of the progress window, for the end-to-end driver too.
namespace uninstall::ids {
constexpr int status = 101;
constexpr int progress = 102;
}  // namespace uninstall::ids
