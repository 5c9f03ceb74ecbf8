#include "platform/error.h"

namespace platform {

AppError AppError::Format(const std::string& pattern, const std::string& arg) {
  std::string text = pattern;
  const auto at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, arg);
  return AppError(text);
}

}  // namespace platform
