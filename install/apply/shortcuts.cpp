#include "install/apply/shortcuts.h"

#include <windows.h>

#include "platform/files.h"

namespace install {

namespace {

void DeleteIfExists(const std::string& path) {
  if (platform::FileExists(path)) DeleteFileA(path.c_str());
}

}  // namespace

std::optional<std::string> MakeShortcut(const ShortcutPair& pair, shell::ShellLink& link) {
  const std::string pif = pair.base + ".pif";
  const std::string lnk = pair.base + ".lnk";
  // A name the component cannot take would be cut short: make nothing.
  if (!shell::ShellLink::Fits(lnk)) return std::nullopt;
  // A later pair with the same caption replaces the earlier shortcut.
  DeleteIfExists(pif);
  DeleteIfExists(lnk);
  // Checked before the shell writes anything, so a bad hot key leaves no
  // file of this pair, old or new.
  std::optional<std::uint16_t> hotKey;
  if (!pair.hotKeyText.empty()) {
    hotKey = HotKeyWord(pair.hotKeyText);
    if (!hotKey) return std::nullopt;
  }

  // The shell writes the name as given, or that name plus ".pif" for some
  // targets; the first becomes the ".lnk".
  link.CreateLink(pair.base, pair.target);
  std::string file = pif;
  if (!platform::FileExists(pif)) {
    if (platform::FileExists(pair.base)) MoveFileA(pair.base.c_str(), lnk.c_str());  // result not tested
    file = lnk;
  }
  // A failed read-back leaves Path naming an earlier shortcut, whose fields
  // must not be written anywhere: leave the new file as the shell made it.
  link.SetPath(file);
  if (link.Path() != file) return file;
  link.SetTarget(pair.target);
  link.SetWorkingDir(WorkingFolder(pair.target));
  if (hotKey) link.SetHotKey(*hotKey);
  link.WriteLink(link.Path());
  link.SetUpdate(false);
  return file;
}

}  // namespace install
