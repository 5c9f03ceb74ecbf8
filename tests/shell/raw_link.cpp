#include "raw_link.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/com_ptr.h"

namespace testing_support {

namespace {

using platform::ComPtr;

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }  // ASCII test names

struct Link {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  Link() {
    if (CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put()) == S_OK)
      link->QueryInterface(IID_IPersistFile, file.put());
  }
};

template <typename Get>
std::string Text(Get get) {
  std::vector<char> buffer(4096, '\0');
  get(buffer.data(), static_cast<int>(buffer.size() - 1));
  return buffer.data();
}

}  // namespace

bool ReadRawLink(const std::string& name, RawLink& out) {
  Link l;
  if (!l.file || FAILED(l.file->Load(Wide(name).c_str(), STGM_READ))) return false;
  IShellLinkA* link = l.link.get();
  out.target = Text([&](char* b, int n) { return link->GetPath(b, n, nullptr, SLGP_RAWPATH); });
  out.workingDir = Text([&](char* b, int n) { return link->GetWorkingDirectory(b, n); });
  out.description = Text([&](char* b, int n) { return link->GetDescription(b, n); });
  out.arguments = Text([&](char* b, int n) { return link->GetArguments(b, n); });
  out.iconLocation = Text([&](char* b, int n) { return link->GetIconLocation(b, n, &out.iconIndex); });
  link->GetHotkey(&out.hotKey);
  link->GetShowCmd(&out.showCmd);
  return true;
}

bool WriteRawLink(const std::string& name, const RawLink& in) {
  Link l;
  if (!l.file) return false;
  IShellLinkA* link = l.link.get();
  link->SetPath(in.target.c_str());
  link->SetWorkingDirectory(in.workingDir.c_str());
  link->SetDescription(in.description.c_str());
  link->SetArguments(in.arguments.c_str());
  link->SetIconLocation(in.iconLocation.c_str(), in.iconIndex);
  link->SetHotkey(in.hotKey);
  link->SetShowCmd(in.showCmd);
  return SUCCEEDED(l.file->Save(Wide(name).c_str(), TRUE));
}

}  // namespace testing_support
