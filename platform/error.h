#pragma once
#include <exception>
#include <string>
#include <utility>

namespace platform {

// The one error type for failures the user is shown ("Cannot open file %s",
// "Failed to set data for '%s'", ...). The application's error box shows
// what() of any exception that reaches a window procedure.
class AppError : public std::exception {
 public:
  explicit AppError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  // The message pattern with its single "%s" replaced by arg.
  static AppError Format(const std::string& pattern, const std::string& arg);

 private:
  std::string message_;
};

// The system's text for an error code, without its line end; "system error N"
// when it has none.
std::string SystemErrorText(unsigned long code);

}  // namespace platform
