#include "shell/shell_link.h"

#include "platform/late_bound.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "platform/com_ptr.h"

namespace shell {

namespace {

using platform::ComPtr;

// Texts read from a shortcut start in a MAX_PATH buffer that grows while a
// text fills it, up to this size; a longer text stops the read.
constexpr int kLongestRead = 32768;

using WideName = std::vector<wchar_t>;

// The file name handed to IPersistFile, converted from the ANSI code page
// and ended by its terminator; empty for a name the component does not take.
// (A vector rather than WideName: the wide string's library code would
// weigh more than this whole component.)
WideName WideFileName(const std::string& name) {
  if (name.empty() || !ShellLink::Fits(name)) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
  if (n <= 1) return {};
  WideName wide(n, L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide.data(), n) != n) return {};
  return wide;
}

ComPtr<IShellLinkA> NewLink() {
  static const auto create = platform::LateBound<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
  ComPtr<IShellLinkA> link;
  if (!create || create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put()) != S_OK)
    link.reset();
  return link;
}

// A new link object already pointing at the target; empty when the shell
// refuses either.
ComPtr<IShellLinkA> NewLinkTo(const std::string& target) {
  ComPtr<IShellLinkA> link = NewLink();
  if (link && link->SetPath(target.c_str()) != S_OK) link.reset();
  return link;
}

ComPtr<IPersistFile> PersistFileOf(IShellLinkA* link) {
  ComPtr<IPersistFile> file;
  if (link->QueryInterface(IID_IPersistFile, file.put()) != S_OK) file.reset();
  return file;
}

void Save(IShellLinkA* link, const WideName& name) {
  const ComPtr<IPersistFile> file = PersistFileOf(link);
  // A failed save is silent: whatever the shell wrote stays.
  if (file) file->Save(name.data(), TRUE);
}

// Runs a "fill this buffer" getter, growing the buffer while the text fills
// it so that a long text is never cut short. Sets text only on S_OK.
template <typename Get>
bool ReadText(Get get, std::string& text) {
  for (int size = MAX_PATH; size <= kLongestRead; size *= 2) {
    std::vector<char> buffer(size, '\0');
    if (get(buffer.data(), size) != S_OK) return false;
    // Bounded: a shell that cut the text short may not have terminated it.
    const std::size_t n = strnlen(buffer.data(), buffer.size());
    if (n + 1 < buffer.size()) {
      text.assign(buffer.data(), n);
      return true;
    }
  }
  return false;
}

}  // namespace

// Each step stores its field as soon as it succeeds; the first call that does
// not return exactly S_OK ends the read, and Path is set only at the end.
void ShellLink::ReadLink(const std::string& name) {
  const WideName wide = WideFileName(name);
  if (wide.empty()) return;
  const ComPtr<IShellLinkA> link = NewLink();
  if (!link) return;
  const ComPtr<IPersistFile> file = PersistFileOf(link.get());
  if (!file || file->Load(wide.data(), STGM_READ) != S_OK) return;
  // No window and no SLR_NO_UI, as the shortcut step has always called it.
  if (link->Resolve(nullptr, SLR_ANY_MATCH) != S_OK) return;

  if (!ReadText([&](char* b, int n) { return link->GetWorkingDirectory(b, n); }, workingDir_)) return;
  WIN32_FIND_DATAA found;  // filled by the shell, not used
  if (!ReadText([&](char* b, int n) { return link->GetPath(b, n, &found, SLGP_UNCPRIORITY); }, target_))
    return;
  int icon = 0;
  if (!ReadText([&](char* b, int n) { return link->GetIconLocation(b, n, &icon); }, iconLocation_)) return;
  iconNumber_ = static_cast<std::uint16_t>(icon);
  if (!ReadText([&](char* b, int n) { return link->GetDescription(b, n); }, description_)) return;
  int show = 0;
  if (link->GetShowCmd(&show) != S_OK) return;
  showCmd_ = static_cast<std::uint16_t>(show);
  WORD hotKey = 0;
  if (link->GetHotkey(&hotKey) != S_OK) return;
  hotKey_ = hotKey;
  if (!ReadText([&](char* b, int n) { return link->GetArguments(b, n); }, arguments_)) return;
  path_ = name;
}

void ShellLink::CreateLink(const std::string& linkFile, const std::string& target) const {
  const WideName wide = WideFileName(linkFile);
  if (wide.empty() || !Fits(target)) return;
  if (const ComPtr<IShellLinkA> link = NewLinkTo(target)) Save(link.get(), wide);
}

void ShellLink::WriteLink(const std::string& linkFile) const {
  const WideName wide = WideFileName(linkFile);
  if (wide.empty() || !Fits(target_) || !Fits(description_)) return;
  const ComPtr<IShellLinkA> link = NewLinkTo(target_);
  if (!link) return;
  // Results not tested: a field the shell refuses keeps the shell's default.
  link->SetDescription(description_.c_str());
  link->SetWorkingDirectory(workingDir_.c_str());
  link->SetArguments(arguments_.c_str());
  link->SetHotkey(hotKey_);
  link->SetShowCmd(showCmd_);
  link->SetIconLocation(iconLocation_.c_str(), iconNumber_);
  Save(link.get(), wide);
}

}  // namespace shell
