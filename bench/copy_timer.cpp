// Times the install pass's copy through the real setup.exe against a plain
// loop of CopyFileA calls over the same source files, in the same prefix.
// Three sets: many small files, a few large ones and ten times the small
// ones, each installed as a product of its own. Rounds alternate between
// setup.exe and the loop, and every measurement writes to a folder never
// used before: creating many files right after deleting many is slow on the
// test machines.
//
// The setup.exe time runs from the install window appearing to the
// uninstall record appearing in the destination: the pass reads its script,
// copies, makes the (empty) program group and saves the record right after
// the copy. The loop's time includes making its destination folder.
// Usage: copy_timer RUNS [small|large|many]: the last, one set alone
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver.h"
#include "setup/progress_ids.h"
#include "platform/handle.h"
#include "server_windows.h"
#include "setup_run.h"
#include "timing.h"

namespace {

constexpr double kTimeoutMs = 60000;
// Ten times the files may take ten times as long.
double TimeoutFor(std::size_t files) { return kTimeoutMs + 10.0 * static_cast<double>(files); }
constexpr std::uint32_t kSeed = 20240611;
constexpr std::size_t kKiB = 1024, kMiB = 1024 * kKiB;
const std::string kOut = "C:\\copybench";

struct FileSet {
  const char* label;  // as printed
  const char* dist;   // the distribution folder's name
  double target;      // the highest acceptable ratio
  bool dropCopies;    // whether each copy is deleted once checked
  std::vector<std::string> names;
  std::vector<std::size_t> sizes;
  std::vector<double> setupTimes, loopTimes;
};

// Names that the install pass copies as written and records: no "file"
// prefix, no trailing "_".
std::string NumberedName(const char* stem, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%04d.bin", stem, number);
  return name;
}

// `count` files of 4 to 64 KiB; the first 2000 are the same in every set.
FileSet SmallFiles(int count, const char* label, const char* dist) {
  FileSet set{label, dist, 1.15, false, {}, {}, {}, {}};
  std::mt19937 random(kSeed);
  for (int i = 0; i < count; ++i) {
    set.names.push_back(NumberedName("small", i));
    set.sizes.push_back(4 * kKiB + random() % (60 * kKiB + 1));
  }
  return set;
}

FileSet LargeFiles() {
  FileSet set{"20 large files", "copy-large", 1.05, true, {}, {}, {}, {}};
  for (int i = 0; i < 20; ++i) {
    set.names.push_back(NumberedName("large", i));
    set.sizes.push_back(10 * kMiB);
  }
  return set;
}

// Writes a file and waits until it is on disk, so that writing it back does
// not fall into a measurement.
void WriteDurable(const std::string& path, const char* bytes, std::size_t size) {
  const platform::FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD wrote = 0;
  if (!file || !WriteFile(file.get(), bytes, static_cast<DWORD>(size), &wrote, nullptr) || wrote != size ||
      !FlushFileBuffers(file.get()))
    throw std::runtime_error("cannot write " + path);
}

// Writes the set's files and its install script into its distribution
// folder; returns the folder.
std::string MakeDistribution(const FileSet& set) {
  std::mt19937 random(kSeed);
  std::string pool(10 * kMiB + 64 * kKiB, '\0');
  for (char& byte : pool) byte = static_cast<char>(random());
  const driver::SetupRun dist(set.dist);
  std::string script = "\\CopyBench\r\nCopy Bench\r\nCopy Bench\r\n:files\r\n:install\r\n";
  for (std::size_t i = 0; i < set.names.size(); ++i) {
    WriteDurable(dist.Folder() + "\\" + set.names[i], pool.data() + i * 4093 % (64 * kKiB), set.sizes[i]);
    script += set.names[i] + "\r\n";
  }
  script += ":\r\n";
  WriteDurable(dist.Folder() + "\\setup.ini", script.data(), script.size());
  return dist.Folder();
}

// Throws unless every file of the set is in the folder with its size. Large
// copies are then deleted: their data, never written back, is dropped, and
// does not pile up to slow the later rounds. Small ones are kept, as
// creating many files right after deleting many is slow.
void CheckCopy(const FileSet& set, const std::string& folder) {
  for (std::size_t i = 0; i < set.names.size(); ++i) {
    const std::string path = folder + "\\" + set.names[i];
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) || data.nFileSizeHigh != 0 ||
        data.nFileSizeLow != set.sizes[i])
      throw std::runtime_error("missing or wrong size: " + path);
    if (set.dropCopies) DeleteFileA(path.c_str());
  }
}

double TimeSetup(const FileSet& set, const std::string& destination) {
  driver::SetupRun run(set.dist);
  run.Start();
  run.Install(destination);
  const double deadline = bench::NowMs() + TimeoutFor(set.names.size());
  // Class, caption and status line come from the window server: setup.exe is not disturbed.
  HWND window = nullptr;
  while (!(window = bench::FindVisible(run.Pid(), "TfCopy", "Installing"))) {
    if (bench::NowMs() > deadline || run.WaitForExit(1)) throw std::runtime_error("no install window");
  }
  const double start = bench::NowMs();
  // Wine looks for a missing file through the whole folder, thousands of
  // names by the end: the record is looked for only once the status line
  // has left the copy ("Generating Icons." follows it).
  const HWND status = driver::Child(window, setup::progress_ids::status);
  const std::string record = destination + "\\unin.ini";
  for (;;) {
    const std::string text = bench::ServerText(status);
    if (!text.empty() && text.rfind("Copying file: ", 0) != 0 &&
        GetFileAttributesA(record.c_str()) != INVALID_FILE_ATTRIBUTES)
      break;
    if (bench::NowMs() > deadline)
      throw std::runtime_error("no uninstall record: " + driver::OpenMessages(run.Pid()));
    Sleep(1);
  }
  const double elapsed = bench::NowMs() - start;
  if (!run.WaitForExit(static_cast<DWORD>(TimeoutFor(set.names.size())))) throw std::runtime_error("setup.exe did not end");
  return elapsed;
}

double TimeLoop(const FileSet& set, const std::string& source, const std::string& destination) {
  const double start = bench::NowMs();
  CreateDirectoryA(destination.c_str(), nullptr);
  for (const std::string& name : set.names)
    if (!CopyFileA((source + "\\" + name).c_str(), (destination + "\\" + name).c_str(), FALSE))
      throw std::runtime_error("CopyFileA failed for " + name);
  return bench::NowMs() - start;
}

void Measure(FileSet& set, int runs) {
  const std::string source = MakeDistribution(set);
  for (int round = 1; round <= runs; ++round) {
    const std::string folder = kOut + "\\" + set.dist + "-" + std::to_string(round);
    set.setupTimes.push_back(TimeSetup(set, folder + "-setup"));
    CheckCopy(set, folder + "-setup");
    set.loopTimes.push_back(TimeLoop(set, source, folder + "-loop"));
    CheckCopy(set, folder + "-loop");
  }
}

// Prints the set's medians; true when the ratio is within its target.
bool Report(const FileSet& set) {
  const double setup = bench::Summarise(set.setupTimes).median, loop = bench::Summarise(set.loopTimes).median;
  const double ratio = setup / loop;
  std::printf("copy: %s: setup.exe %.0f ms, CopyFileA loop %.0f ms, ratio %.2f (target <= %.2f)%s\n", set.label,
              setup, loop, ratio, set.target, ratio <= set.target ? "" : " OVER TARGET");
  std::printf("      each run (ms): setup.exe%s; CopyFileA loop%s\n", bench::EachTime(set.setupTimes).c_str(),
              bench::EachTime(set.loopTimes).c_str());
  return ratio <= set.target;
}

// Ten times the files should cost setup.exe no more than ten times the
// loop's own growth allows: nothing in it may grow faster than the files.
bool ReportGrowth(const FileSet& few, const FileSet& many) {
  const auto median = [](const std::vector<double>& times) { return bench::Summarise(times).median; };
  const double setup = median(many.setupTimes) / median(few.setupTimes);
  const double loop = median(many.loopTimes) / median(few.loopTimes);
  constexpr double kTarget = 1.10;
  std::printf("copy: from %s to %s: setup.exe grows %.2fx, the loop %.2fx, ratio %.2f (target <= %.2f)%s\n", few.label,
              many.label, setup, loop, setup / loop, kTarget, setup / loop <= kTarget ? "" : " OVER TARGET");
  return setup / loop <= kTarget;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc >= 2 && argc <= 3 ? std::atoi(argv[1]) : 0;
  // One set alone ("small", "large" or "many"), for a closer look at it.
  const std::string only = argc == 3 ? argv[2] : "";
  if (runs < 1) {
    std::fprintf(stderr, "usage: copy_timer RUNS [small|large|many]\n");
    return 2;
  }
  bool withinTargets = true;
  try {
    CreateDirectoryA(kOut.c_str(), nullptr);
    std::vector<FileSet> sets{SmallFiles(2000, "2000 small files", "copy-small"), LargeFiles(),
                              SmallFiles(20000, "20000 small files", "copy-many")};
    if (!only.empty()) {
      const char* names[] = {"small", "large", "many"};
      const auto* name = std::find(std::begin(names), std::end(names), only);
      if (name == std::end(names)) throw std::runtime_error("no set " + only);
      FileSet& set = sets[name - std::begin(names)];
      Measure(set, runs);
      return Report(set) ? 0 : 1;
    }
    for (FileSet& set : sets) {
      Measure(set, runs);
      withinTargets = Report(set) && withinTargets;
    }
    withinTargets = ReportGrowth(sets[0], sets[2]) && withinTargets;
  } catch (const std::exception& e) {
    std::printf("copy: %s\n", e.what());
    return 1;
  }
  return withinTargets ? 0 : 1;
}
