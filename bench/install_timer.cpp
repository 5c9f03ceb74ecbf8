// Times unattended installs (setup.exe /S) from distribution folders that
// hold the same files, plain and compressed, against the same install of
// one small file. Each round runs the three in turn, and every install goes
// to a folder never used before. Start-up, script and record cost the same
// in all three: the one-file install's time taken off leaves the copy's.
// The plain and compressed installs must leave the same bytes as the plain
// folder holds.
// Usage: install_timer RUNS ONE_FILE PLAIN COMPRESSED (distribution folders)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/handle.h"
#include "setup_run.h"
#include "timing.h"

namespace {

constexpr double kTarget = 1.5;
constexpr DWORD kTimeoutMs = 120000;
const std::string kOut = "C:\\installbench";

struct Distribution {
  const char* label;
  std::string folder;
  std::vector<double> times;
};

// Milliseconds from starting setup.exe /S in the folder until it has ended.
double TimeInstall(const Distribution& dist, const std::string& destination) {
  std::string commandLine = "\"" + dist.folder + "\\setup.exe\" /S /D=\"" + destination + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const double start = bench::NowMs();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dist.folder.c_str(), &startup,
                      &info))
    throw std::runtime_error("cannot start " + commandLine);
  const platform::FileHandle process(info.hProcess), thread(info.hThread);
  if (WaitForSingleObject(process.get(), kTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    throw std::runtime_error(commandLine + " did not end");
  }
  const double elapsed = bench::NowMs() - start;
  DWORD exitCode = 1;
  GetExitCodeProcess(process.get(), &exitCode);
  if (exitCode != 0) throw std::runtime_error(commandLine + " ended with " + std::to_string(exitCode));
  return elapsed;
}

std::string Destination(const Distribution& dist, int round) {
  return kOut + "\\" + dist.label + "-" + std::to_string(round);
}

bool IsScriptOrProgram(const std::string& name) { return name == "setup.exe" || name == "setup.ini"; }

// Throws unless both installs hold every file of the plain folder byte for
// byte; prints how many files the compressed folder holds compressed.
void CheckSameBytes(const Distribution& plain, const Distribution& packed, int round) {
  unsigned files = 0, compressed = 0;
  double bytes = 0;
  for (const std::string& name : driver::FileNames(plain.folder)) {
    if (IsScriptOrProgram(name)) continue;
    const std::string original = driver::ReadFile(plain.folder + "\\" + name);
    for (const Distribution* dist : {&plain, &packed})
      if (driver::ReadFile(Destination(*dist, round) + "\\" + name) != original)
        throw std::runtime_error(std::string(dist->label) + " install differs: " + name);
    ++files;
    bytes += original.size();
    if (driver::ReadFile(packed.folder + "\\" + name).compare(0, 4, "SZDD") == 0) ++compressed;
  }
  std::printf("install: %u files, %.1f MB, %u of them compressed in the compressed folder\n", files, bytes / 1e6,
              compressed);
}

// Prints the copy times from one pick of the runs' times; true when their
// ratio is within the target. A copy that does not stand out of the
// one-file install gives no ratio.
bool ReportCopy(const char* pick, double oneFile, double plain, double packed, bool judged) {
  const double plainCopy = plain - oneFile, packedCopy = packed - oneFile;
  const bool within = plainCopy > 0 && packedCopy / plainCopy <= kTarget;
  std::printf("install: copy time (%s, less the one-file install's): plain %.0f ms, compressed %.0f ms, ratio %.2f",
              pick, plainCopy, packedCopy, packedCopy / plainCopy);
  if (judged) std::printf(" (target <= %.2f)%s", kTarget, within ? "" : " OVER TARGET");
  std::printf("\n");
  return within;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc == 5 ? std::atoi(argv[1]) : 0;
  if (runs < 1) {
    std::fprintf(stderr, "usage: install_timer RUNS ONE_FILE PLAIN COMPRESSED\n");
    return 2;
  }
  Distribution one{"one-file", argv[2], {}}, plain{"plain", argv[3], {}}, packed{"compressed", argv[4], {}};
  try {
    CreateDirectoryA(kOut.c_str(), nullptr);
    for (const Distribution* dist : {&one, &plain, &packed})
      TimeInstall(*dist, kOut + "\\warm-up-" + dist->label);  // reads every source once: all come from the cache
    for (int round = 1; round <= runs; ++round)
      for (Distribution* dist : {&one, &plain, &packed})
        dist->times.push_back(TimeInstall(*dist, Destination(*dist, round)));
    CheckSameBytes(plain, packed, runs);
  } catch (const std::exception& e) {
    std::printf("install: %s\n", e.what());
    return 1;
  }
  const bench::Summary base = bench::Summarise(one.times), plainRun = bench::Summarise(plain.times),
                       packedRun = bench::Summarise(packed.times);
  std::printf("install: setup.exe /S (medians of %d): plain %.0f ms, compressed %.0f ms, one small file %.0f ms\n",
              runs, plainRun.median, packedRun.median, base.median);
  const bool withinTarget = ReportCopy("medians", base.median, plainRun.median, packedRun.median, true);
  // The least times move less on a machine shared with other work.
  ReportCopy("least times", base.min, plainRun.min, packedRun.min, false);
  std::printf("      each run (ms): one file%s; plain%s; compressed%s\n", bench::EachTime(one.times).c_str(),
              bench::EachTime(plain.times).c_str(), bench::EachTime(packed.times).c_str());
  return withinTarget ? 0 : 1;
}
