#pragma once
#include <stdexcept>
#include <string>

namespace platform {

// The one error type for failures the user is shown ("Cannot open file %s",
// "Failed to set data for '%s'", ...). The application's error box shows
// what() of any exception that reaches a window procedure.
class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  // The message pattern with its single "%s" replaced by arg.
  static AppError Format(const std::string& pattern, const std::string& arg);
};

}  // namespace platform
