#include "script/sections.h"

#include <vector>

#include "script/markers.h"
#include "script/reader.h"

namespace script {

namespace {

std::string ReadValue(const Lines& script, std::string_view marker) {
  return ReadValueSection(script, marker, 1).front();
}

}  // namespace

Sections ReadSections(const Lines& script) {
  Sections s;
  s.runProgram = ReadValue(script, marker::kRun);
  s.rebootRequested = ReadFlagSection(script, marker::kReboot);
  ReadListSection(script, marker::kExe, s.exe);
  ReadListSection(script, marker::kUnin, s.unin);
  const std::vector<std::string> extra =
      ReadValueSection(script, marker::kExtra, 2);
  s.extraFile = extra[0];
  s.extraFolder = extra[1];
  ReadListSection(script, marker::kDelReg, s.delreg);
  ReadListSection(script, marker::kSystemIni, s.systemIni);
  ReadListSection(script, marker::kRegRemove, s.regremove);
  ReadListSection(script, marker::kRegAdd, s.regadd);
  ReadListSection(script, marker::kReg, s.reg);
  ReadListSection(script, marker::kKeep, s.keep);
  ReadListSection(script, marker::kReg1, s.reg1);
  ReadListSection(script, marker::kIni, s.iniLines);
  s.exitMessage = ReadValue(script, marker::kExit);
  s.runServices = ReadValue(script, marker::kRunServices);
  s.runStart = ReadValue(script, marker::kRunStart);
  ReadListSection(script, marker::kFiles, s.files);
  // Not one of the engine's own sections, so read after them. A ":window"
  // on the last line cannot stop the pass here: the wizard reads the title,
  // and fails on it, before the pass begins.
  s.windowTitle = FindWindowTitle(script);
  return s;
}

std::string FindWindowTitle(const Lines& script) {
  return ReadLastValue(script, {marker::kWindow}, "");
}

}  // namespace script
