#pragma once
#include <string>

namespace platform {

// Whole file as bytes; AppError "Cannot open file %s" when it cannot be read.
std::string ReadTextFile(const std::string& path);

// Replaces the file with exactly these bytes, or leaves the earlier file as it
// was (BeginReplace and FinishReplace, files.h).
// AppError "Cannot create file %s" on failure.
void WriteTextFile(const std::string& path, const std::string& bytes);

}  // namespace platform
