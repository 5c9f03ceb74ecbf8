// The shortcut step's names and uninstall-record lines, read from the
// script's ":exe" pairs (caption line, program line).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "script/lines.h"

namespace install {

// A caption line read: the shortcut's name and its hot-key text.
struct Caption {
  std::string name;
  std::string hotKeyText;  // "" for no hot key
};

// A plain caption line, or the hot-key form "*", two decimal digits NN, NN
// characters of name, then the hot-key text (a shorter rest is all name).
// nullopt for a line that names no shortcut: an empty name, or "*" not
// followed by two decimal digits.
std::optional<Caption> ReadCaption(const std::string& line);

// The low 16 bits of a hot-key text's decimal value; nullopt unless the text
// is ASCII digits only with a value below 2^31.
std::optional<std::uint16_t> HotKeyWord(const std::string& text);

// One ":exe" pair as the shortcut step makes it.
struct ShortcutPair {
  std::string base;  // the group folder, "\", the caption: no extension
  std::string target;
  std::string hotKeyText;
};

// Pairs are lines 2k and 2k+1; a last line without a partner is ignored.
inline std::size_t PairCount(const script::Lines& exe) { return exe.size() / 2; }

// folder + "\" + name.
std::string JoinPath(const std::string& folder, const std::string& name);

// The target up to and including its last "\" or ":".
std::string WorkingFolder(const std::string& target);

// One record line per pair, in pair order: the shortcut file that pair makes
// (hot-key prefix and hot key left out; a caption line naming no shortcut
// is taken as written), then "+" and the group folder with a trailing "\".
void AddShortcutRecordLines(const std::string& group, const script::Lines& exe, script::Lines& record);

}  // namespace install
