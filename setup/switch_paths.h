#pragma once
// The paths that setup.exe's switches name, read as the system reads them, so
// that no spelling of a forbidden place gets past the checks.
#include <optional>
#include <string>

namespace setup {

// A full path ("X:\..." or "\\server\share\...") in one form: "/" made "\",
// repeated separators made one, "." parts dropped, dots and blanks that end a
// part dropped (the system drops them too), no trailing backslash. Nothing
// when it is not a full path, holds a character no file name can, or a ".."
// part.
std::optional<std::string> NormalFolder(const std::string& path);

// A drive's root ("C:") or a share's ("\\server\share"), given NormalFolder's form.
bool IsRoot(const std::string& normal);

// A Start Menu folder: a name or a relative path of names, either separator,
// made one with "\"; nothing for an absolute path, an empty part, a part of
// dots alone ("..", "..."), or a character no folder name can hold.
std::optional<std::string> PlainGroup(const std::string& group);

// Whether a log file would be written over a product's record or journal:
// its name is unin.ini or unin.jnl, in any case, with any dots or blanks the
// system drops after it. Every product folder holds them under these names.
bool NamesProductRecord(const std::string& logPath);

}  // namespace setup
