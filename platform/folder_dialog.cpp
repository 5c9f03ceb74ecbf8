#include "platform/folder_dialog.h"

#include <shlobj.h>

#include <vector>

#include "platform/late_bound.h"

namespace platform {

namespace {

int CALLBACK SelectInitial(HWND dialog, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data)
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& initial) {
  std::vector<char> display(MAX_PATH + 1);
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = display.data();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = SelectInitial;
  info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  static const auto browse = LateBound<decltype(&SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
  static const auto pathOf = LateBound<decltype(&SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
  static const auto release = LateBound<decltype(&CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
  LPITEMIDLIST chosen = browse && pathOf && release ? browse(&info) : nullptr;
  if (!chosen) return std::nullopt;
  // SHGetPathFromIDListA writes at most MAX_PATH characters.
  std::vector<char> path(MAX_PATH + 1);
  const BOOL ok = pathOf(chosen, path.data());
  release(chosen);
  if (!ok) return std::nullopt;
  return std::string(path.data());
}

}  // namespace platform
