#include "remove/put_back.h"

#include <algorithm>
#include <utility>

#include "install/plan/journal_format.h"
#include "remove/safety.h"
#include "script/lines.h"

namespace uninstall {

namespace {

class Unwinding {
 public:
  Unwinding(const std::string& product, const std::vector<PlacePass>& ours, const HandOvers& handOvers)
      : product_(product), ours_(ours), handOvers_(handOvers) {}

  // What the pass found, followed back past this product's own earlier
  // passes, with what stands for data of products removed since; and the
  // pass where that ended. Above 0, someone wrote between that pass and the
  // one before.
  std::pair<Held, std::size_t> Found(std::size_t pass) const {
    Held data = Earlier(pass);
    while (pass > 0 && data == Written(pass - 1)) data = Earlier(--pass);
    return {data, pass};
  }

  const Held& Written(std::size_t pass) const { return *ours_[pass].written; }

 private:
  Held Earlier(std::size_t pass) const {
    const auto handed = handOvers_.find({product_, pass});
    return handed != handOvers_.end() ? handed->second : ours_[pass].earlier;
  }

  const std::string& product_;
  const std::vector<PlacePass>& ours_;
  const HandOvers& handOvers_;
};

// A pass of this product after which someone else wrote: what stands for its
// data from now on, and what was written next as far as this product saw.
struct SeenPass {
  std::size_t pass;
  Held standsFor;
  Held next;
};

// Whether a product still here found the data and wrote the same: the place
// holds that product's data, written after this product's.
bool TakenOverWithSameData(const std::vector<OtherPass>& others, const Held& data) {
  return std::any_of(others.begin(), others.end(), [&](const OtherPass& other) {
    return other.pass.earlier == data && other.pass.written == data;
  });
}

// Hands this product's data over to the passes of another product that found
// it. One product's passes follow each other, so they found this product's
// passes in order: they are paired in order, as many as can be, and among
// those pairings the one where most of the other's writes are what this
// product saw written next (which tells passes that wrote the same data apart).
void HandOverTo(const std::vector<const OtherPass*>& theirs, const std::vector<SeenPass>& seen,
                const Unwinding& unwinding, HandOvers& handOvers) {
  const std::size_t n = theirs.size(), m = seen.size();
  const auto score = [&](std::size_t i, std::size_t k) {
    const PlacePass& pass = theirs[i]->pass;
    if (unwinding.Written(seen[k].pass) != pass.earlier) return 0;
    return pass.written && seen[k].next == *pass.written ? 3 : 2;
  };
  // Best(i, k): the best pairing of their first i passes with the first k seen.
  std::vector<int> best((n + 1) * (m + 1), 0);
  const auto Best = [&](std::size_t i, std::size_t k) -> int& { return best[i * (m + 1) + k]; };
  for (std::size_t i = 1; i <= n; ++i)
    for (std::size_t k = 1; k <= m; ++k) {
      const int paired = score(i - 1, k - 1);
      Best(i, k) = std::max(std::max(Best(i - 1, k), Best(i, k - 1)), paired ? Best(i - 1, k - 1) + paired : 0);
    }
  for (std::size_t i = n, k = m; i > 0 && k > 0;) {
    const int paired = score(i - 1, k - 1);
    if (paired && Best(i, k) == Best(i - 1, k - 1) + paired) {
      const OtherPass& other = *theirs[i - 1];
      if (seen[k - 1].standsFor != other.pass.earlier) handOvers[{other.product, other.index}] = seen[k - 1].standsFor;
      --i, --k;
    } else if (Best(i, k) == Best(i - 1, k)) {
      --i;
    } else {
      --k;
    }
  }
}

}  // namespace


std::string PlaceOfValue(const RegValueRef& value) {
  const RegKey key = SafetyRules::CanonicalKey(value.key);
  return key.root + "\\" + key.path + "\\\\" + script::LowerAscii(value.name);
}

std::string PlaceOfProfile(const std::string& file, const std::string& section, const std::string& key) {
  return script::LowerAscii(file + "\\" + section + "\\" + key);
}

std::map<std::string, std::vector<PlacePass>> PassesByPlace(const Journal& journal) {
  std::map<std::string, std::vector<PlacePass>> places;
  for (const EarlierValue& value : journal.values)
    places[PlaceOfValue(value.value)].push_back(
        {value.type ? Held(ValueForm(*value.type, value.data)) : std::nullopt, value.written});
  for (const EarlierProfile& profile : journal.profiles)
    places[PlaceOfProfile(profile.file, profile.section, profile.key)].push_back({profile.value, profile.written});
  return places;
}

PutBack DecidePutBack(const std::string& product, const std::vector<PlacePass>& ours, const Held& current,
                      const std::vector<OtherPass>& others, HandOvers& handOvers) {
  const Unwinding unwinding(product, ours, handOvers);
  const std::size_t lastPass = ours.size() - 1;
  const Held& written = unwinding.Written(lastPass);
  auto [found, stop] = unwinding.Found(lastPass);
  const bool stillOurs = current == written && !TakenOverWithSameData(others, written);
  std::vector<SeenPass> seen;  // latest first
  if (!stillOurs) seen.push_back({lastPass, found, current});
  // Someone wrote between this product's passes, too.
  for (Held next = found; stop > 0;) {
    const auto [before, pass] = unwinding.Found(stop - 1);
    seen.push_back({stop - 1, before, next});
    next = before;
    stop = pass;
  }
  std::reverse(seen.begin(), seen.end());
  // Hand-overs that led to this product's data lead on to what stands for
  // it (the latest pass that wrote it); this product's own are used up.
  for (auto entry = handOvers.begin(); entry != handOvers.end();) {
    if (entry->first.first == product) {
      entry = handOvers.erase(entry);
      continue;
    }
    for (auto pass = seen.rbegin(); pass != seen.rend(); ++pass) {
      if (entry->second != unwinding.Written(pass->pass)) continue;
      entry->second = pass->standsFor;
      break;
    }
    ++entry;
  }
  std::map<std::string, std::vector<const OtherPass*>> byProduct;
  for (const OtherPass& other : others) byProduct[other.product].push_back(&other);
  for (const auto& [name, theirs] : byProduct) HandOverTo(theirs, seen, unwinding, handOvers);
  return {stillOurs, found};
}

std::string HandOversText(const HandOvers& handOvers) {
  std::string text;
  for (const auto& [key, found] : handOvers)
    text += install::JournalLine('H', {key.first, std::to_string(key.second), found ? "=" + *found : "-"});
  return text;
}

HandOvers ReadHandOvers(const std::string& text) {
  HandOvers handOvers;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const auto line = install::SplitJournalLine(text.substr(start, end - start));
    start = end + 2;
    if (!line || line->kind != 'H' || line->fields.size() != 3 || line->fields[2].empty()) continue;
    const std::string& found = line->fields[2];
    const auto pass = install::ParseDecimal(line->fields[1]);
    if (!pass) continue;
    const std::pair<std::string, std::size_t> key{line->fields[0], *pass};
    if (found == "-")
      handOvers[key] = std::nullopt;
    else if (found[0] == '=')
      handOvers[key] = found.substr(1);
  }
  return handOvers;
}

}  // namespace uninstall
