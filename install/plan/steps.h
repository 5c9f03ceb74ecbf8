#pragma once
// The steps of an install, in the order they are carried out. Each names
// everything its action needs; what only the moment of the action can tell
// (whether a file is there, what the shell writes, whether a key opens) is
// left to the executor.
#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "install/plan/file_list.h"
#include "install/plan/entries.h"
#include "install/plan/shortcut_names.h"
#include "script/lines.h"

namespace install::step {

// Before the install: a DOS start-up file copied into the Windows folder,
// unless its backup exists; `hidden` files are copied with the archive
// attribute alone, theirs put back after.
struct Backup {
  std::string file, backup;
  bool hidden;
};
// The product's window open by this title refuses the install.
struct RunningCheck {
  std::string windowTitle;
};
// A choice the install cannot go without is empty.
struct MissingChoice {
  std::string text;
};
// The pass: the destination folder made with its parents.
struct DestinationFolder {
  std::string path;
};
// license.ini shown for acceptance (Decline ends the install),
// then written to `copy`.
struct Licence {
  std::string source, copy;
};
// The bytes of the copy steps against each drive's free space: No ends the
// install before any change.
struct SpaceCheck {
  std::string title;
};
// The old driver's lines taken out of system.ini.
struct DriverLines {
  std::string systemIni;
};
struct ListedFile {
  FileStep file;
  std::string source;
  std::size_t entries;  // the ":files" list's length, for the progress bar
  bool shared;          // outside the destination folder: version rule and use count
  bool journaled;       // the removal program itself is not
  bool keptWhenThere;   // a ":keep" name
};
struct GroupFolder {
  std::string path;
};
struct ProfileWrite {
  ProfileEntry entry;
};
struct Status {
  std::string text;
};
struct Shortcut {
  ShortcutPair pair;
  std::size_t recordLine;  // the record line that names the shortcut file
};
// Copied into a sub-folder of the destination, made with its parents; no
// error is shown.
struct ExtraFile {
  std::string source, folder, target;
};
struct SaveRecord {
  std::string path;
};
// The path file, in the Windows folder, from the ":ini" lines.
struct PathFile {
  script::Lines iniLines;
  std::string path, windows, destination;
};
// Set when its key opens. `data` may hold kShortDestination.
struct RegistryValue {
  std::string root, key, name, data;
};
// config.cfg, read when this step comes: on a disk set it is on the last disk.
struct ImportSettings {
  std::string path;
};
struct DeleteClassesKey {
  std::string path;
};
struct StartupEntry {
  std::string key, name, command;  // key below HKEY_LOCAL_MACHINE
};
// Shown when it is there once this step comes.
struct Readme {
  std::string path;
};
struct Message {
  std::string text;
};
// The last step of a pass that was not stopped by an error, Decline and No
// to a disk too small included.
struct DeleteLicenceCopy {
  std::string path;
};
// An error that ends the install here, shown in the application's error box.
struct Stop {
  std::string text;
};
// After the pass: the ":regadd" value, when its key opens.
struct LateValue {
  std::string key, name, value;
};
// The restart question (asked too when a file in use waits for the
// restart), or else the question whether to run the ":run" program.
struct FinishingQuestion {
  bool restart;
  std::string title, destination, runProgram;
};

}  // namespace install::step

namespace install {

using Step = std::variant<step::Backup, step::RunningCheck, step::MissingChoice, step::DestinationFolder, step::Licence, step::SpaceCheck, step::DriverLines,
                          step::ListedFile, step::GroupFolder, step::ProfileWrite, step::Status, step::Shortcut,
                          step::ExtraFile, step::SaveRecord, step::PathFile, step::RegistryValue,
                          step::ImportSettings, step::DeleteClassesKey, step::StartupEntry, step::Readme,
                          step::Message, step::DeleteLicenceCopy, step::Stop, step::LateValue, step::FinishingQuestion>;

// Stands for the destination's short form, which exists only once the folder does.
inline constexpr char kShortDestination[] = "\001short destination\001";

// `text` with each stand-in for the short form replaced by `shortForm`.
inline std::string WithShortDestination(std::string text, const std::string& shortForm) {
  for (std::size_t at; (at = text.find(kShortDestination)) != std::string::npos;)
    text.replace(at, sizeof kShortDestination - 1, shortForm);
  return text;
}

}  // namespace install
