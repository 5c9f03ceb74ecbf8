#pragma once
// Which data a removal puts back in a registry value or profile entry that
// several products (or the user) may have written, so that whatever the
// order of installs and removals, the last removal leaves the data from
// before the first install.
//
// A product puts back what it found only while the place still holds what
// it wrote. Where it does not, someone wrote there since and it stays; then
// another product may have found this product's data and would put it back
// later. So a removal hands over: it records, for the place and that other
// product's pass, "the data you found, written by a product now removed,
// stands for the data that product found", and the other's removal follows
// it.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "remove/journal.h"

namespace uninstall {

// One install pass at one place: what it found and what it left there.
struct PlacePass {
  Held earlier;
  // Nothing when the journal was written by an earlier build, which did not
  // record it.
  std::optional<Held> written;
};

// The place's name for comparing: one spelling for every way of writing it.
std::string PlaceOfValue(const RegValueRef& value);
std::string PlaceOfProfile(const std::string& file, const std::string& section, const std::string& key);

// The passes of one product at each place it wrote, in journal order.
std::map<std::string, std::vector<PlacePass>> PassesByPlace(const Journal& journal);

// A pass there of a product still installed, named by its folder and title,
// and counted from 0 among that product's passes at the place.
struct OtherPass {
  std::string product;
  std::size_t index;
  PlacePass pass;
};

// At one place, for a pass of a product still installed that found data
// written by a product now removed: the data that stands for what it found.
using HandOvers = std::map<std::pair<std::string, std::size_t>, Held>;

struct PutBack {
  bool ours;   // the place holds what this product wrote: `data` goes back
  Held data;
};

// The removal of `product` at one place: `ours` are its passes, each of
// which says what it wrote, `current` what the place holds now, `others` the
// passes there of the products still installed. Updates `handOvers`: those
// for this product are used and dropped, and its data that another product
// found is handed over to that product.
PutBack DecidePutBack(const std::string& product, const std::vector<PlacePass>& ours, const Held& current,
                      const std::vector<OtherPass>& others, HandOvers& handOvers);

// The hand-overs of one place as text, and read back; lines that cannot be
// read are passed over.
std::string HandOversText(const HandOvers& handOvers);
HandOvers ReadHandOvers(const std::string& text);

}  // namespace uninstall
