#include "remove/shared_places.h"

#include <windows.h>

#include "install/plan/digest.h"
#include "install/plan/journal_format.h"
#include "install/apply/journal_seal.h"
#include "install/plan/paths.h"
#include "platform/registry.h"
#include "platform/text_file.h"

namespace uninstall {

namespace {

namespace registry = platform::registry;

// Beside the journals' digests: one value per place, named by the digest of
// the place's name, which may be longer than a value name.
constexpr char kHandOversKey[] = "SOFTWARE\\Setup Utility\\Handed over";

}  // namespace

PutBack SharedPlaces::Decide(const Step& step, const Held& current) {
  ReadOtherJournals();
  const std::string name = install::Sha256Hex(step.place);
  const auto stored = registry::ReadValue(HKEY_LOCAL_MACHINE, kHandOversKey, name);
  HandOvers handOvers;
  if (stored && stored->type == REG_SZ) handOvers = ReadHandOvers(stored->data.c_str());
  const HandOvers before = handOvers;
  const auto others = others_.find(step.place);
  const PutBack decision =
      DecidePutBack(ProductName(rules_.Destination(), title_), step.passes, current,
                    others == others_.end() ? std::vector<OtherPass>() : others->second, handOvers);
  if (handOvers == before) return decision;
  if (handOvers.empty())
    install::ForgetOwnValue(kHandOversKey, name);
  else
    registry::WriteValue(HKEY_LOCAL_MACHINE, kHandOversKey, name, {REG_SZ, HandOversText(handOvers) + '\0'});
  return decision;
}

void SharedPlaces::ReadOtherJournals() {
  if (read_) return;
  read_ = true;
  for (const std::string& folder : registry::ValueNames(HKEY_LOCAL_MACHINE, install::kJournalDigestsKey)) {
    try {
      const std::string text = platform::ReadTextFile(install::InFolder(folder, install::kJournalName));
      if (!install::JournalDigestMatches(folder, text)) continue;
      const JournalText journal(text);
      const bool ourFolder = rules_.SameFolder(folder, rules_.Destination());
      for (const std::string& title : journal.Titles()) {
        if (ourFolder && title == title_) continue;
        for (const auto& [place, passes] : PassesByPlace(*journal.For(title)))
          for (std::size_t i = 0; i < passes.size(); ++i)
            others_[place].push_back({ProductName(folder, title), i, passes[i]});
      }
    } catch (const std::exception&) {
      // A journal that cannot be read tells nothing of its product's data.
    }
  }
}

std::string SharedPlaces::ProductName(const std::string& folder, const std::string& title) const {
  return rules_.Canonical(folder) + "\t" + title;
}

}  // namespace uninstall
