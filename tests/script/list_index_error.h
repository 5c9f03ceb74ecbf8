// EXPECT_TRUE(ThrowsListIndexError([&] { ... })) passes when the call throws
// ListIndexError with the message the user sees; a failure is reported at the
// caller's line.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "script/lines.h"

namespace script {

template <typename Access>
testing::AssertionResult ThrowsListIndexError(Access&& access) {
  try {
    access();
  } catch (const ListIndexError& e) {
    if (std::string_view(e.what()) == "List index out of bounds")
      return testing::AssertionSuccess();
    return testing::AssertionFailure() << "message was: " << e.what();
  }
  return testing::AssertionFailure() << "nothing was thrown";
}

}  // namespace script
