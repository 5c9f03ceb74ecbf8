// The shell link component: the fields of one shortcut file, read and written
// through the shell's link object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace shell {

// Each operation creates its own link object and releases it before it
// returns; COM must be initialised on the calling thread. Failures are
// silent: they show only in the properties and on disk.
class ShellLink {
 public:
  // The longest shortcut file name, target and description the component
  // takes. An operation handed a longer one (or an empty file name) does
  // nothing at all, so a shortcut is never written under a cut-short name or
  // with a cut-short target.
  static constexpr std::size_t kMaxText = 254;
  static bool Fits(const std::string& text) { return text.size() <= kMaxText; }

  const std::string& Path() const { return path_; }
  // Reads the shortcut file into the properties. Path changes only when the
  // whole read succeeds; a read that stops half-way keeps the properties it
  // has already set.
  void SetPath(const std::string& name) { ReadLink(name); }

  const std::string& Target() const { return target_; }
  void SetTarget(const std::string& value) { target_ = value; }
  const std::string& WorkingDir() const { return workingDir_; }
  void SetWorkingDir(const std::string& value) { workingDir_ = value; }
  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& value) { description_ = value; }
  const std::string& Arguments() const { return arguments_; }
  void SetArguments(const std::string& value) { arguments_ = value; }
  const std::string& IconLocation() const { return iconLocation_; }
  void SetIconLocation(const std::string& value) { iconLocation_ = value; }
  // Low byte a virtual-key code, high byte the modifiers (shift 1, control 2,
  // alt 4, extended 8); 0 is no hot key.
  std::uint16_t HotKey() const { return hotKey_; }
  void SetHotKey(std::uint16_t value) { hotKey_ = value; }
  std::uint16_t ShowCmd() const { return showCmd_; }
  void SetShowCmd(std::uint16_t value) { showCmd_ = value; }
  std::uint16_t IconNumber() const { return iconNumber_; }
  void SetIconNumber(std::uint16_t value) { iconNumber_ = value; }

  bool Update() const { return update_; }
  // Re-reads the shortcut named by Path; the flag becomes true whatever the
  // value given and whatever the read's outcome.
  void SetUpdate(bool) {
    ReadLink(path_);
    update_ = true;
  }

  // Writes a new shortcut file holding only the target, under the name
  // exactly as given. No property changes.
  void CreateLink(const std::string& linkFile, const std::string& target) const;
  // Writes all properties into a shortcut file; nothing when the shell
  // refuses Target. No property changes, Path included.
  void WriteLink(const std::string& linkFile) const;

 private:
  void ReadLink(const std::string& name);

  bool update_ = false;
  std::string path_;
  std::string target_;
  std::string workingDir_;
  std::string description_;
  std::string arguments_;
  std::string iconLocation_;
  std::uint16_t iconNumber_ = 0;
  std::uint16_t showCmd_ = 0;
  std::uint16_t hotKey_ = 0;
};

}  // namespace shell
