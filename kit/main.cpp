// setupkit: the author's tool for install scripts. Checks a script before it
// ships, shows what the install would do, scrambles and lays out the disk.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "install/plan/journal_format.h"
#include "kit/check.h"
#include "kit/disk_set.h"
#include "kit/layout.h"
#include "kit/plan.h"
#include "script/lines.h"
#include "script/unscramble.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kUsage = 2;

const char kHelp[] =
    "usage: setupkit COMMAND ...\n"
    "  check DIST                 report every fault the install would hit\n"
    "  plan DIST [options]        what the install would do, and its unin.ini\n"
    "  scramble FILE [-o OUT]     scramble setup.ini or license.ini\n"
    "  unscramble FILE [-o OUT]   make a scrambled file clear again\n"
    "  layout SOURCE DIST [opts]  make a distribution folder, then check it\n"
    "setupkit COMMAND --help tells more; setupkit --version names the version.\n";

const std::map<std::string, const char*> kCommandHelp = {
    {"check",
     "usage: setupkit check DIST\n"
     "DIST is a distribution folder or the path of its setup.ini; a scrambled\n"
     "script is unscrambled first; lines are numbered from 1. readme.txt,\n"
     "license.ini and config.cfg beside it are checked too. Prints one line\n"
     "per fault as FILE:LINE: error|warning: text, then a summary. Exit 0\n"
     "without errors, 1 with errors, 2 on usage or an unreadable file.\n"
     "docs/script.md describes every line of a script.\n"},
    {"plan",
     "usage: setupkit plan DIST [--dest FOLDER] [--windir FOLDER] [--programs FOLDER]\n"
     "                          [--start-menu NAME] [--short-dest FOLDER] [--record FILE]\n"
     "Prints what the install would do, in order, then the exact unin.ini it\n"
     "would write (--record FILE writes it to FILE instead). Defaults: the\n"
     "wizard's default destination, C:\\WINDOWS, WINDIR\\Start Menu\\Programs,\n"
     "script line 2, and the destination as its own short form. Exit 1 when\n"
     "the install would stop early.\n"},
    {"scramble",
     "usage: setupkit scramble FILE [-o OUT]\n"
     "Writes the scrambled form of a clear setup.ini or license.ini to OUT\n"
     "(standard output without -o). A file already scrambled is refused.\n"},
    {"unscramble",
     "usage: setupkit unscramble FILE [-o OUT]\n"
     "Writes the clear form of a scrambled file to OUT (standard output\n"
     "without -o). A clear file is refused.\n"},
    {"layout",
     "usage: setupkit layout SOURCE DIST [--setup PATH] [--scramble] [--text] [--compress]\n"
     "                       [--disks floppy|cd|SIZE] [--text=NAME]... [--add PATH=NAME]...\n"
     "Makes DIST from the clear sources in SOURCE and its subfolders: setup.txt\n"
     "becomes setup.ini and license.txt license.ini (CR LF line ends; scrambled\n"
     "with --scramble), every other file is copied as it is. --text makes LF\n"
     "line ends CR LF in every file whose content is text (no NUL or other\n"
     "control bytes) and names each file it changed; --text=NAME asks it for\n"
     "one file, and refuses one that is not text. setup.exe is copied from PATH\n"
     "(default: beside setupkit); each --add copies PATH as NAME (the removal\n"
     "program: --add build/twremove.exe=TWREMOVE.EX_). --compress stores every\n"
     "file but setup.exe, setup.ini, license.ini, readme.txt and config.cfg in\n"
     "the format of COMPRESS.EXE where that makes it smaller, under its own name;\n"
     "setup.exe expands it while copying. --disks lays DIST out as DISK1, DISK2,\n"
     "... folders of a 1.44 MB floppy, a 650 MB CD or SIZE bytes (k, M): setup.exe,\n"
     "setup.ini and license.ini on disk 1, the files in the order the install\n"
     "asks for them, the :extra file, readme.txt and config.cfg on the last.\n"
     "--images also writes each floppy as a FAT12 image, disk1.img, ..., or a CD\n"
     "set as cd.iso (with mtools or genisoimage).\n"
     "Everything is read and\n"
     "checked first, DIST is made under DIST.layout-new and put in place at the\n"
     "end, replacing an earlier layout (a folder without setup.ini or setup.exe\n"
     "is never replaced). Then DIST is checked; exit 1 on errors.\n"},
};

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Arguments after the command: positional ones and "--name value" options.
struct Args {
  std::vector<std::string> positional;
  std::multimap<std::string, std::string> options;
  std::string Option(const std::string& name) const {
    const auto found = options.find(name);
    return found == options.end() ? "" : found->second;
  }
  bool Flag(const std::string& name) const { return options.count(name) != 0; }
};

bool Among(const std::string& name, const std::vector<std::string>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Valued options come as "--name value"; those whose name ends in "=" as
// "--name=value".
Args Parse(int argc, char** argv, const std::vector<std::string>& valued, const std::vector<std::string>& flags) {
  Args args;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::string joined = arg.substr(0, arg.find('=') + 1);
    if (!joined.empty() && Among(joined, valued)) {
      args.options.emplace(joined, arg.substr(joined.size()));
    } else if (Among(arg, valued)) {
      if (i + 1 >= argc) throw UsageError(arg + " needs a value");
      args.options.emplace(arg, argv[++i]);
    } else if (Among(arg, flags)) {
      args.options.emplace(arg, "");
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option " + arg);
    } else {
      args.positional.push_back(arg);
    }
  }
  return args;
}

void Print(const std::string& text, std::FILE* to = stdout) { std::fwrite(text.data(), 1, text.size(), to); }

void Output(const std::string& bytes, const std::string& out) {
  if (!out.empty()) return kit::WriteWholeFile(out, bytes);
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the bytes go out as they are, CR LF included
#endif
  Print(bytes);
}

// A distribution folder or its setup.ini: the script's path and the folder.
struct Dist {
  std::string script, folder;
};

// A file of a folder by its lower-case name, in any case, as Windows finds it.
std::string InFolder(const std::string& folder, const std::string& lower) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::u8path(folder.empty() ? "." : folder), error))
    if (script::LowerAscii(entry.path().filename().u8string()) == lower) return entry.path().u8string();
  return (fs::u8path(folder) / lower).u8string();
}

Dist FindDist(const std::string& given) {
  const fs::path path = fs::u8path(given);
  if (!fs::is_directory(path)) return {given, path.parent_path().u8string()};
  if (kit::IsDiskSet(given)) return {InFolder((path / kit::DiskFolder(1)).u8string(), "setup.ini"), given};
  return {InFolder(given, "setup.ini"), given};
}

// A file the install reads after the copy: on a disk set, from the last disk that holds it.
std::string ReadAtEnd(const Dist& dist, const kit::FileSet& files, const std::string& name) {
  const std::vector<int> disks = files.Disks(name);
  if (disks.empty()) return InFolder(dist.folder, name);
  return InFolder((fs::u8path(dist.folder) / kit::DiskFolder(disks.back())).u8string(), name);
}

std::string ReadOrThrow(const std::string& path) {
  std::string bytes;
  if (!kit::ReadWholeFile(path, bytes)) throw UsageError("cannot read " + path);
  return bytes;
}

// Checks a distribution folder; returns the exit code.
int Check(const std::string& given) {
  const Dist dist = FindDist(given);
  const std::string text = ReadOrThrow(dist.script);
  const kit::FileSet files = kit::ListFolder(dist.folder);
  std::vector<kit::Diagnostic> all = kit::CheckScript(text, files);
  for (const char* name : {"readme.txt", "license.ini", "config.cfg"}) {
    std::string bytes;
    if (!kit::ReadWholeFile(ReadAtEnd(dist, files, name), bytes)) continue;
    if (std::string(name) == "license.ini" && script::IsScrambled(script::SplitLines(bytes)))
      bytes = script::UnscrambleText(bytes);
    for (kit::Diagnostic& d : kit::CheckShownFile(name, bytes)) all.push_back(std::move(d));
    if (std::string(name) == "config.cfg")
      for (kit::Diagnostic& d : kit::CheckSettings(bytes)) all.push_back(std::move(d));
  }
  for (const kit::Diagnostic& d : all) Print(kit::Format(d) + "\n");
  Print("setupkit: " + kit::Summary(all) + "\n");
  return kit::HasErrors(all) ? 1 : 0;
}

int Plan(const Args& args) {
  if (args.positional.size() != 1) throw UsageError("plan takes one DIST");
  const Dist dist = FindDist(args.positional[0]);
  kit::Machine machine{args.Option("--dest"), args.Option("--windir"), args.Option("--programs"),
                       args.Option("--start-menu"), args.Option("--short-dest")};
  std::string settings;
  const kit::FileSet files = kit::ListFolder(dist.folder);
  kit::ReadWholeFile(ReadAtEnd(dist, files, "config.cfg"), settings);  // none: nothing to import
  const kit::Plan plan = kit::MakePlan(ReadOrThrow(dist.script), machine, files, settings);
  Print(plan.steps);
  if (!plan.stop.empty()) {
    Print("setupkit: the install stops here with \"" + plan.stop + "\"; setupkit check names the fault\n", stderr);
    return 1;
  }
  const std::string record = script::JoinLines(plan.record);
  if (args.Flag("--record")) {
    kit::WriteWholeFile(args.Option("--record"), record);
  } else {
    Print(std::string(install::kRecordName) + ":\n");
    Output(record, "");
  }
  return 0;
}

int Scramble(const Args& args, bool scramble) {
  if (args.positional.size() != 1) throw UsageError("give one FILE");
  const std::string& file = args.positional[0];
  const std::string text = ReadOrThrow(file);
  const bool scrambled = script::IsScrambled(script::SplitLines(text));
  if (scramble && scrambled) {
    Print("setupkit: " + file + " is already scrambled: its first line begins with \"1\"\n", stderr);
    return 1;
  }
  if (!scramble && !scrambled) {
    Print("setupkit: " + file + " is not scrambled: its first line does not begin with \"1\"\n", stderr);
    return 1;
  }
  if (!scramble) {
    Output(script::UnscrambleText(text), args.Option("-o"));
    return 0;
  }
  const auto result = script::ScrambleText(text);
  if (!result) {
    Print("setupkit: " + file + " cannot be scrambled: some of its bytes would read back as a line end\n", stderr);
    return 1;
  }
  Output(*result, args.Option("-o"));
  return 0;
}

// A path quoted for the shell.
std::string Quoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

// Each disk of a floppy set as a 1.44 MB FAT12 image (disk1.img, ...)
// labelled DISK1, ...; any other set as one ISO 9660 image of its disks'
// files, cd.iso. Made with mtools and genisoimage.
void WriteImages(const std::string& dist, std::uint64_t capacity) {
  const fs::path root = fs::u8path(dist);
  int disks = 0;
  while (fs::is_directory(root / kit::DiskFolder(disks + 1))) ++disks;
  if (capacity > *kit::DiskCapacity("floppy")) {
    std::string folders;
    for (int disk = 1; disk <= disks; ++disk) folders += " " + Quoted((root / kit::DiskFolder(disk)).u8string());
    Run("genisoimage -quiet -J -r -V PRODUCT -o " + Quoted((root / "cd.iso").u8string()) + folders);
    return;
  }
  for (int disk = 1; disk <= disks; ++disk) {
    const std::string image = Quoted((root / ("disk" + std::to_string(disk) + ".img")).u8string());
    Run("mformat -C -f 1440 -v " + kit::DiskFolder(disk) + " -i " + image + " ::");
    Run("mcopy -s -i " + image + " " + Quoted((root / kit::DiskFolder(disk)).u8string()) + "/* ::");
  }
}

int Layout(const Args& args, const char* self) {
  if (args.positional.size() != 2) throw UsageError("layout takes SOURCE and DIST");
  kit::LayoutRequest request;
  request.source = args.positional[0];
  request.dist = args.positional[1];
  request.setupExe = args.Option("--setup");
  if (request.setupExe.empty()) request.setupExe = (fs::u8path(self).parent_path() / "setup.exe").u8string();
  request.scramble = args.Flag("--scramble");
  request.textLineEnds = args.Flag("--text");
  request.compress = args.Flag("--compress");
  if (args.Flag("--disks")) {
    const std::optional<std::uint64_t> capacity = kit::DiskCapacity(args.Option("--disks"));
    if (!capacity) throw UsageError("--disks takes floppy, cd or a size in bytes (with k or M)");
    request.diskCapacity = *capacity;
  }
  for (auto [it, end] = args.options.equal_range("--text="); it != end; ++it) request.textFiles.push_back(it->second);
  for (auto [it, end] = args.options.equal_range("--add"); it != end; ++it) {
    const auto equals = it->second.rfind('=');
    if (equals == std::string::npos) throw UsageError("--add takes PATH=NAME");
    request.extra.emplace_back(it->second.substr(0, equals), it->second.substr(equals + 1));
  }
  if (args.Flag("--images") && request.diskCapacity == 0) throw UsageError("--images needs --disks");
  const kit::LayoutReport report = kit::LayOut(request);
  for (const std::string& name : report.converted) Print("setupkit: " + name + ": line ends made CR LF\n");
  if (args.Flag("--images")) WriteImages(request.dist, request.diskCapacity);
  return Check(request.dist);
}

int Run(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help")) {
    Print(kHelp, argc < 2 ? stderr : stdout);
    return argc < 2 ? kUsage : 0;
  }
  if (!std::strcmp(argv[1], "--version")) {
    Print(std::string("setupkit ") + PROGRAM_VERSION + "\n");
    return 0;
  }
  const std::string command = argv[1];
  const auto help = kCommandHelp.find(command);
  if (help == kCommandHelp.end()) throw UsageError("unknown command " + command);
  for (int i = 2; i < argc; ++i)
    if (!std::strcmp(argv[i], "--help")) {
      Print(help->second);
      return 0;
    }
  if (command == "check") {
    const Args args = Parse(argc, argv, {}, {});
    if (args.positional.size() != 1) throw UsageError("check takes one DIST");
    return Check(args.positional[0]);
  }
  if (command == "plan")
    return Plan(
        Parse(argc, argv, {"--dest", "--windir", "--programs", "--start-menu", "--short-dest", "--record"}, {}));
  if (command == "scramble" || command == "unscramble")
    return Scramble(Parse(argc, argv, {"-o"}, {}), command == "scramble");
  return Layout(Parse(argc, argv, {"--setup", "--add", "--text=", "--disks"}, {"--scramble", "--text", "--compress", "--images"}),
                argv[0]);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const UsageError& error) {
    Print(std::string("setupkit: ") + error.what() + "\n" + kHelp, stderr);
    return kUsage;
  } catch (const std::exception& error) {
    Print(std::string("setupkit: ") + error.what() + "\n", stderr);
    return kUsage;
  }
}
