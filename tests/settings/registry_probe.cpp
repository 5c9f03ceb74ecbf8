// Installs a small script with registry sections in the prefix and leaves its
// results there, for the host to read back with `wine reg query`
// (reg-query-test). Prints the error and returns 1 when the install stops.
#include <cstdio>
#include <exception>

#include "engine_run.h"
#include "platform/files.h"
#include "platform/text_file.h"

int main() {
  try {
    const std::string destination = "C:\\Program Files\\Marrowgate";
    const std::string source = "C:\\probe-source";
    platform::ForceDirectories(destination);
    platform::ForceDirectories(source);
    platform::WriteTextFile(source + "\\config.cfg",
                            script::JoinLines({"Marrowgate", "Colour,deep blue", ",default text"}));
    const driver::EngineRun run = driver::RunEngine({
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
    }, source, destination, "C:\\probe-programs");
    if (run.outcome.ending == install::Ending::Installed) return 0;
    std::fprintf(stderr, "install stopped: %s\n", run.outcome.error.c_str());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "install failed: %s\n", e.what());
    return 1;
  }
}
