#include "kit/layout.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>

#include "kit/disk_set.h"
#include "kit/szdd_compress.h"
#include "script/lines.h"
#include "script/unscramble.h"

namespace kit {

namespace fs = std::filesystem;

namespace {

// LF or CR LF line ends, all made CR LF; a last line without one keeps none.
std::string CrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::string Read(const fs::path& path) {
  std::string bytes;
  if (!ReadWholeFile(path.u8string(), bytes)) throw std::runtime_error("cannot read " + path.u8string());
  return bytes;
}

// Whether `inner` is `outer` or lies inside it (both absolute, no trailing separator).
bool Within(const fs::path& inner, const fs::path& outer) {
  auto i = inner.begin();
  for (const fs::path& part : outer) {
    if (i == inner.end() || *i != part) return false;
    ++i;
  }
  return true;
}

fs::path Absolute(const std::string& path) {
  fs::path full = fs::weakly_canonical(fs::absolute(fs::u8path(path)));
  return full.has_filename() ? full : full.parent_path();
}

// An earlier layout, or nothing: only then may the folder be replaced whole.
bool MayReplace(const fs::path& dist) {
  if (!fs::exists(dist)) return true;
  if (!fs::is_directory(dist)) return false;
  bool empty = true;
  for (const auto& entry : fs::directory_iterator(dist)) {
    const std::string name = script::LowerAscii(entry.path().filename().u8string());
    if (name == "setup.ini" || name == "setup.exe" || name == "disk1") return true;
    empty = false;
  }
  return empty;
}

// The files of the distribution, by their path in it, each read and changed
// as it will be written.
class Contents {
 public:
  struct File {
    std::string name, bytes;
    char lastCharacter;  // for a compressed header: the letter "_" replaces in the name
  };
  void Add(const std::string& name, std::string bytes, char lastCharacter = 0) {
    if (!names_.insert(script::LowerAscii(name)).second)
      throw std::runtime_error(name + " would be written twice into the distribution folder (from the source and "
                                      "from --setup or --add, or as setup.txt and setup.ini)");
    files_.push_back({name, std::move(bytes), lastCharacter});
  }
  std::vector<File>& Files() { return files_; }
  const std::vector<File>& Files() const { return files_; }

 private:
  std::set<std::string> names_;
  std::vector<File> files_;
};

// setup.exe reads these itself, not through the copy phase that expands.
bool ReadAsTheyAre(const std::string& name) {
  const std::string lower = script::LowerAscii(name);
  for (const char* own : {"setup.exe", "setup.ini", "license.ini", "readme.txt", "config.cfg"})
    if (lower == own) return true;
  return false;
}

// Each file the copy phase reads is stored compressed where that makes it
// smaller; one that is compressed already is left so, or setup.exe, which
// expands once, would install the compressed form.
void Compress(Contents& contents) {
  for (Contents::File& file : contents.Files()) {
    if (ReadAsTheyAre(file.name) || install::ReadSzddHeader(file.bytes.data(), file.bytes.size())) continue;
    std::string packed = CompressSzdd(file.bytes, file.lastCharacter);
    if (packed.size() < file.bytes.size()) file.bytes.swap(packed);
  }
}

std::string ScriptFile(const std::string& name, const std::string& text, bool scramble) {
  const std::string clear = CrLf(text);
  if (!scramble) return clear;
  const auto scrambled = script::ScrambleText(clear);
  if (!scrambled)
    throw std::runtime_error("cannot scramble " + name + ": it holds bytes that would read back as a line end");
  return *scrambled;
}

// The character that "_" stands for in `name`, where `from` is the same name
// with it (--add read.txt=READ.TX_ gives 't'); 0 otherwise.
char ReplacedCharacter(const std::string& from, const std::string& name) {
  if (name.empty() || name.back() != '_' || from.size() != name.size()) return 0;
  const std::size_t stem = name.size() - 1;
  return script::LowerAscii(from.substr(0, stem)) == script::LowerAscii(name.substr(0, stem)) ? from.back() : 0;
}

Contents ReadSources(const LayoutRequest& request, LayoutReport& report) {
  const fs::path source = fs::u8path(request.source);
  if (!fs::is_directory(source)) throw std::runtime_error(request.source + " is not a folder");
  std::map<std::string, std::string> named;  // --text files, lower-cased, as given
  for (const std::string& name : request.textFiles)
    named.emplace(script::LowerAscii(fs::u8path(name).lexically_normal().generic_u8string()), name);
  Contents contents;
  for (const auto& entry : fs::recursive_directory_iterator(source)) {
    if (entry.is_directory()) continue;
    const fs::path relative = fs::relative(entry.path(), source);
    if (!entry.is_regular_file())
      throw std::runtime_error(relative.u8string() + " in " + request.source +
                               " is neither a file nor a folder; it cannot be copied");
    const std::string name = relative.u8string();
    const std::string lower = script::LowerAscii(relative.generic_u8string());
    std::string bytes = Read(entry.path());
    if (lower == "setup.txt" || lower == "license.txt") {
      contents.Add(lower == "setup.txt" ? "setup.ini" : "license.ini", ScriptFile(name, bytes, request.scramble));
      continue;
    }
    const bool asked = named.erase(lower) != 0;
    if (asked && !IsText(bytes))
      throw std::runtime_error("--text=" + name + ": the file holds NUL or other control bytes, so it is not text; " +
                               "its line ends are left as they are");
    if (asked || (request.textLineEnds && IsText(bytes))) {
      std::string converted = CrLf(bytes);
      if (converted != bytes) report.converted.push_back(name);
      bytes.swap(converted);
    }
    contents.Add(name, std::move(bytes));
  }
  if (!named.empty()) throw std::runtime_error("--text=" + named.begin()->second + ": no such file in " + request.source);
  contents.Add("setup.exe", Read(fs::u8path(request.setupExe)));
  for (const auto& [path, name] : request.extra)
    contents.Add(name, Read(fs::u8path(path)), ReplacedCharacter(fs::u8path(path).filename().u8string(), name));
  return contents;
}

// A folder made by this run: removed again unless it is kept.
class Scratch {
 public:
  explicit Scratch(fs::path path) : path_(std::move(path)) {
    std::error_code ignored;
    fs::remove_all(path_, ignored);  // a leftover of an interrupted run
  }
  ~Scratch() {
    std::error_code ignored;
    if (!kept_) fs::remove_all(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const fs::path& Path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  fs::path path_;
  bool kept_ = false;
};

void WriteOne(const fs::path& folder, const Contents::File& file) {
  const fs::path target = folder / fs::u8path(file.name);
  std::error_code error;
  fs::create_directories(target.parent_path(), error);
  if (error) throw std::runtime_error("cannot make " + target.parent_path().u8string() + ": " + error.message());
  WriteWholeFile(target.u8string(), file.bytes);
}

void Write(const fs::path& folder, const Contents& contents) {
  for (const Contents::File& file : contents.Files()) WriteOne(folder, file);
}

// The clear script of the distribution, for the order of its files.
script::Lines ScriptOf(const Contents& contents) {
  for (const Contents::File& file : contents.Files())
    if (script::LowerAscii(file.name) == "setup.ini") {
      script::Lines lines = script::SplitLines(file.bytes);
      if (script::IsScrambled(lines)) script::Unscramble(lines);
      return lines;
    }
  throw std::runtime_error("the source has no setup.txt, so the order of the disks is not known");
}

void WriteDisks(const fs::path& folder, const Contents& contents, std::uint64_t capacity) {
  std::vector<std::pair<std::string, std::uint64_t>> sizes;
  for (const Contents::File& file : contents.Files()) sizes.emplace_back(file.name, file.bytes.size());
  const auto disks = AssignDisks(ScriptOf(contents), sizes, capacity);
  for (const Contents::File& file : contents.Files())
    for (const int disk : disks.at(file.name)) WriteOne(folder / DiskFolder(disk), file);
}

// The new folder takes the place of the earlier one only once it is whole.
void PutInPlace(Scratch& made, const fs::path& dist) {
  std::error_code error;
  if (!fs::exists(dist)) {
    fs::rename(made.Path(), dist, error);
    if (error) throw std::runtime_error("cannot rename " + made.Path().u8string() + " to " + dist.u8string() + ": " +
                                        error.message());
    made.Keep();
    return;
  }
  Scratch earlier(dist.u8string() + ".layout-old");
  fs::rename(dist, earlier.Path(), error);
  if (error) throw std::runtime_error("cannot replace " + dist.u8string() + ": " + error.message());
  fs::rename(made.Path(), dist, error);
  if (error) {
    std::error_code ignored;
    fs::rename(earlier.Path(), dist, ignored);
    earlier.Keep();
    throw std::runtime_error("cannot rename " + made.Path().u8string() + " to " + dist.u8string() + ": " +
                             error.message());
  }
  made.Keep();
}

std::optional<install::SzddHeader> HeaderOf(const fs::path& path) {
  char bytes[install::kSzddHeaderSize];
  std::ifstream in(path, std::ios::binary);
  in.read(bytes, sizeof bytes);
  return install::ReadSzddHeader(bytes, static_cast<std::size_t>(in.gcount()));
}

}  // namespace

bool IsText(const std::string& bytes) {
  return std::none_of(bytes.begin(), bytes.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' && byte != 0x1a;
  });
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(fs::u8path(path), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(fs::u8path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

namespace {

void AddFolder(FileSet& files, const fs::path& root, int disk) {
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error))
    if (it->is_regular_file()) files.Add(fs::relative(it->path(), root).u8string(), HeaderOf(it->path()), disk);
}

}  // namespace

FileSet ListFolder(const std::string& folder) {
  FileSet files;
  const fs::path root = fs::u8path(folder.empty() ? "." : folder);
  if (!IsDiskSet(folder)) {
    AddFolder(files, root, 0);
    return files;
  }
  for (int disk = 1; fs::is_directory(root / DiskFolder(disk)); ++disk) AddFolder(files, root / DiskFolder(disk), disk);
  return files;
}

bool IsDiskSet(const std::string& folder) {
  return fs::is_directory(fs::u8path(folder.empty() ? "." : folder) / DiskFolder(1));
}

LayoutReport LayOut(const LayoutRequest& request) {
  const fs::path dist = Absolute(request.dist), source = Absolute(request.source);
  if (Within(dist, source) || Within(source, dist))
    throw std::runtime_error("the distribution folder " + request.dist + " and the source " + request.source +
                             " must lie apart, neither inside the other");
  if (!MayReplace(dist))
    throw std::runtime_error(request.dist + " holds files but no setup.ini or setup.exe: it is no earlier layout, so "
                                            "it is not replaced; name a new folder");
  LayoutReport report;
  Contents contents = ReadSources(request, report);
  if (request.compress) Compress(contents);
  std::error_code error;
  fs::create_directories(dist.parent_path(), error);
  if (error) throw std::runtime_error("cannot make " + dist.parent_path().u8string() + ": " + error.message());
  Scratch made(dist.u8string() + ".layout-new");
  if (request.diskCapacity > 0)
    WriteDisks(made.Path(), contents, request.diskCapacity);
  else
    Write(made.Path(), contents);
  PutInPlace(made, dist);
  return report;
}

}  // namespace kit
