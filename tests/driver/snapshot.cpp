#include "snapshot.h"

#include <algorithm>

namespace driver {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
  return text;
}

bool Skipped(const std::string& path, const std::vector<std::string>& skip);

void AddFiles(const std::string& folder, const std::vector<std::string>& skip, Snapshot& snapshot) {
  if (Skipped(folder, skip)) return;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      snapshot.files[Lower(path) + "\\"] = "folder";
      AddFiles(path, skip, snapshot);
    } else {
      snapshot.files[Lower(path)] = std::to_string(found.nFileSizeLow) + " " +
                                    std::to_string(found.ftLastWriteTime.dwLowDateTime);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

bool Skipped(const std::string& path, const std::vector<std::string>& skip) {
  for (const std::string& text : skip)
    if (Lower(path).find(Lower(text)) != std::string::npos) return true;
  return false;
}

void AddValues(HKEY root, const std::string& name, const std::string& path, const std::vector<std::string>& skip,
               Snapshot& snapshot) {
  if (Skipped(path, skip)) return;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  const std::string prefix = Lower(name + "\\" + path);
  snapshot.values[prefix + "\\"] = "key";
  std::vector<char> valueName(16384);
  std::vector<BYTE> data(65536);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(valueName.size()), size = static_cast<DWORD>(data.size()), type = 0;
    const LONG rc = RegEnumValueA(key, i, valueName.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (rc == ERROR_MORE_DATA) continue;  // larger than any value an install here writes
    if (rc != ERROR_SUCCESS) break;
    snapshot.values[prefix + "\\" + Lower(std::string(valueName.data(), nameLength))] =
        std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data.data()), size);
  }
  std::vector<std::string> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(valueName.size());
    if (RegEnumKeyExA(key, i, valueName.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.emplace_back(valueName.data(), length);
  }
  RegCloseKey(key);
  for (const std::string& subkey : subkeys)
    AddValues(root, name, path.empty() ? subkey : path + "\\" + subkey, skip, snapshot);
}

}  // namespace

Snapshot TakeSnapshot(const std::vector<std::string>& folders, const std::vector<RegistryTree>& keys,
                      const std::vector<std::string>& skip) {
  Snapshot snapshot;
  for (const std::string& folder : folders) AddFiles(folder, skip, snapshot);
  for (const RegistryTree& key : keys) AddValues(key.root, key.rootName, key.path, skip, snapshot);
  return snapshot;
}

std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after) {
  std::vector<std::string> found;
  const auto compare = [&](const std::map<std::string, std::string>& a, const std::map<std::string, std::string>& b) {
    for (const auto& [path, state] : a) {
      const auto other = b.find(path);
      if (other == b.end())
        found.push_back("- " + path);
      else if (other->second != state)
        found.push_back("~ " + path);
    }
    for (const auto& [path, state] : b)
      if (!a.count(path)) found.push_back("+ " + path);
  };
  compare(before.files, after.files);
  compare(before.values, after.values);
  return found;
}

}  // namespace driver
