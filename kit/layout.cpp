#include "kit/layout.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

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

std::string Read(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) throw std::runtime_error("cannot read " + path);
  return bytes;
}

}  // namespace

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

FileSet ListFolder(const std::string& folder) {
  FileSet files;
  const fs::path root = fs::u8path(folder.empty() ? "." : folder);
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error))
    if (it->is_regular_file()) files.Add(fs::relative(it->path(), root).u8string());
  return files;
}

void LayOut(const LayoutRequest& request) {
  std::error_code error;
  fs::create_directories(fs::u8path(request.dist), error);
  if (error) throw std::runtime_error("cannot make " + request.dist + ": " + error.message());
  const auto inDist = [&](const std::string& name) { return (fs::u8path(request.dist) / name).u8string(); };
  for (const auto& entry : fs::directory_iterator(fs::u8path(request.source))) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().u8string();
    const std::string lower = script::LowerAscii(name);
    std::string text = Read(entry.path().u8string());
    if (lower == "setup.txt" || lower == "license.txt") {
      text = CrLf(text);
      if (request.scramble) {
        const auto scrambled = script::ScrambleText(text);
        if (!scrambled)
          throw std::runtime_error("cannot scramble " + name + ": it holds bytes that would read back as a line end");
        text = *scrambled;
      }
      WriteWholeFile(inDist(lower == "setup.txt" ? "setup.ini" : "license.ini"), text);
    } else {
      WriteWholeFile(inDist(name), request.textLineEnds ? CrLf(text) : text);
    }
  }
  WriteWholeFile(inDist("setup.exe"), Read(request.setupExe));
  for (const auto& [path, name] : request.extra) WriteWholeFile(inDist(name), Read(path));
}

}  // namespace kit
