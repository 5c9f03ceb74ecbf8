#pragma once
// The journal's digest, kept where on Windows NT only an administrator may
// write: the removal believes a journal's earlier values only while the
// journal is as the last install left it. On Windows 95 and 98 any program
// may change either, so there it guards against accidents only.
#include <string>

namespace install {

// A key of this program's own below HKEY_LOCAL_MACHINE, one value per
// product folder.
inline constexpr char kJournalDigestsKey[] = "SOFTWARE\\Setup Utility\\Journals";

// Records the digest of the journal text of the folder.
void StoreJournalDigest(const std::string& folder, const std::string& text);
// Whether the text is the one whose digest was recorded for the folder.
bool JournalDigestMatches(const std::string& folder, const std::string& text);
void ForgetJournalDigest(const std::string& folder);
// Deletes a value below this program's own key, then that key and its
// parent while they are empty.
void ForgetOwnValue(const std::string& key, const std::string& name);

}  // namespace install
