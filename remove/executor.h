#pragma once
// Carries out a removal plan on the system.
#include <string>
#include <vector>

#include "remove/outcomes.h"
#include "remove/plan.h"
#include "remove/safety.h"

namespace uninstall {

// What the removal shows and keeps while it works.
class RemovalView {
 public:
  virtual void Progress(const std::string& status, int position) = 0;
  // Each outcome as it happens (the log writes it at once).
  virtual void Report(const Outcome& outcome) = 0;

 protected:
  ~RemovalView() = default;
};

// Runs every step in order. Shared files are removed only when
// `removeShared`. Returns what became of each item.
std::vector<Outcome> Execute(const Plan& plan, const SafetyRules& rules, bool removeShared, RemovalView& view);

}  // namespace uninstall
