#pragma once
// The places (registry values, profile entries) that several products may
// write, as this machine knows them: the passes there of the products still
// installed, read from their journals, and the hand-overs of the products
// removed, kept beside the journals' digests.
#include <map>
#include <string>
#include <vector>

#include "remove/plan.h"
#include "remove/put_back.h"
#include "remove/safety.h"

namespace uninstall {

class SharedPlaces {
 public:
  SharedPlaces(const std::string& title, const SafetyRules& rules) : title_(title), rules_(rules) {}

  // What the removal does at the step's place, which holds `current` now;
  // the place's hand-overs are updated.
  PutBack Decide(const Step& step, const Held& current);

 private:
  // The passes of every product installed with a journal whose digest
  // matches, but this one; read once.
  void ReadOtherJournals();
  // A product's name for the hand-overs: its folder and title.
  std::string ProductName(const std::string& folder, const std::string& title) const;

  std::string title_;
  const SafetyRules& rules_;
  bool read_ = false;
  std::map<std::string, std::vector<OtherPass>> others_;
};

}  // namespace uninstall
