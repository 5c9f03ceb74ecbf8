// Runs the registry phase of a small install script in the prefix and leaves
// its results there, for the host to read back with `wine reg query`
// (reg-query-test). Prints the error and returns 1 when the phase fails.
#include <cstdio>
#include <exception>

#include "install/registry_phase.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "script/sections.h"

int main() {
  try {
    const std::string destination = "C:\\Program Files\\Marrowgate";
    const std::string source = "C:\\probe-source";
    platform::ForceDirectories(destination);
    platform::ForceDirectories(source);
    platform::WriteTextFile(source + "\\config.cfg",
                            script::JoinLines({"Marrowgate", "Colour,deep blue", ",default text"}));
    const script::Sections sections = script::ReadSections({
        "\\Marrowgate", "Marrowgate", "Marrowgate 2",
        ":exe", "Marrowgate", "mg.exe", ":",
        ":unin", "twremove.exe", ":",
        ":reg",
        "HKEY_LOCAL_MACHINE", "Software\\SettingsProbe", "**", "r",
        "HKEY_CURRENT_USER", "Software\\SettingsProbe", "Open", "p",
        "hkey_local_machine", "Software\\SettingsProbe\\Lower", "v", "x",
        ":",
        ":reg1", "HKEY_CURRENT_USER", "Software\\SettingsProbe", "Program", "p", ":",
        ":runstart", "Marrowgate Probe",
    });
    install::RunRegistryPhase(sections, {source, destination, platform::WindowsFolder()});
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "registry phase failed: %s\n", e.what());
    return 1;
  }
}
