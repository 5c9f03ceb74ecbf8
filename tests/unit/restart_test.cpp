// The restart request enables the shutdown privilege that Windows NT asks
// of a program that restarts it; read back from the process token.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/system.h"

namespace {

LUID ShutdownLuid() {
  LUID luid{};
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid);
  return luid;
}

// Whether the token holds the privilege, and whether it is enabled.
struct Held {
  bool held = false, enabled = false;
};

Held ShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  DWORD size = 0;
  GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  Held result;
  if (GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size)) {
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    const LUID wanted = ShutdownLuid();
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
      const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
      if (p.Luid.LowPart == wanted.LowPart && p.Luid.HighPart == wanted.HighPart)
        result = {true, (p.Attributes & SE_PRIVILEGE_ENABLED) != 0};
    }
  }
  CloseHandle(token);
  return result;
}

void DisableShutdownPrivilege() {
  HANDLE token = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token));
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Luid = ShutdownLuid();
  privileges.Privileges[0].Attributes = 0;
  EXPECT_TRUE(AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr));
  CloseHandle(token);
}

TEST(Restart, ShutdownPrivilegeIsEnabledBeforeTheRequest) {
  ASSERT_TRUE(ShutdownPrivilege().held) << "this token cannot restart Windows at all";
  DisableShutdownPrivilege();
  ASSERT_FALSE(ShutdownPrivilege().enabled);
  EXPECT_TRUE(platform::EnableShutdownPrivilege());
  EXPECT_TRUE(ShutdownPrivilege().enabled);
}

}  // namespace
