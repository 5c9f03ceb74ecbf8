#include "platform/error.h"

#include <windows.h>

namespace platform {

AppError AppError::Format(const std::string& pattern, const std::string& arg) {
  std::string text = pattern;
  const auto at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, arg);
  return AppError(text);
}

std::string SystemErrorText(unsigned long code) {
  char* text = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = text ? text : "";
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' '))
    message.pop_back();
  if (!message.empty()) return message;
  return "system error " + std::to_string(code);
}

}  // namespace platform
