// Several products and the user writing one registry value, in every order
// of installs, reinstalls and removals: the last removal leaves what the
// value held before the first install (or the user's last change), and no
// hand-over is left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "remove/put_back.h"

namespace uninstall {
namespace {

// The value, the passes of the products installed, and what was handed over.
struct Machine {
  Held value;
  std::map<char, std::vector<PlacePass>> installed;
  HandOvers handOvers;

  void Install(char product, const std::string& data) {
    installed[product].push_back({value, Held(data)});
    value = data;
  }
  void Remove(char product) {
    std::vector<OtherPass> others;
    for (const auto& [other, passes] : installed)
      for (std::size_t i = 0; i < passes.size(); ++i)
        if (other != product) others.push_back({std::string(1, other), i, passes[i]});
    const PutBack decision = DecidePutBack(std::string(1, product), installed[product], value, others, handOvers);
    if (decision.ours) value = decision.data;
    installed.erase(product);
  }
};

// Every sequence of up to four events: a product's install ("A" to "C") or
// a change by the user ("u"). Known limit: with five, two products each
// reinstalled across a third (A B A C B), some orders of removal end wrong,
// as passes that wrote the same data cannot always be told apart.
void Sequences(std::string prefix, std::vector<std::string>& out) {
  if (!prefix.empty()) out.push_back(prefix);
  if (prefix.size() == 4) return;
  for (char event : std::string("ABCu")) Sequences(prefix + event, out);
}

TEST(PutBack, AnyOrderOfInstallsAndRemovalsEndsWithTheDataFromBeforeOrTheUsersLastChange) {
  std::vector<std::string> sequences;
  Sequences("", sequences);
  // C writes what A writes in the second round: equal data from two products.
  for (const char* dataOfC : {"c", "a"}) {
    for (const Held& original : {Held("original"), Held()}) {
      for (const std::string& events : sequences) {
        std::string products;
        for (char event : events)
          if (event != 'u' && products.find(event) == std::string::npos) products += event;
        std::sort(products.begin(), products.end());
        do {
          Machine machine{original, {}, {}};
          Held expected = original;
          for (std::size_t i = 0; i < events.size(); ++i) {
            if (events[i] == 'u') {
              machine.value = expected = "user " + std::to_string(i);
            } else {
              machine.Install(events[i], events[i] == 'C' ? dataOfC : std::string(1, events[i]));
            }
          }
          for (char product : products) machine.Remove(product);
          const std::string trace = events + " removed " + products + ", C writes " + dataOfC;
          EXPECT_EQ(machine.value, expected) << trace;
          EXPECT_TRUE(machine.handOvers.empty()) << trace;
        } while (std::next_permutation(products.begin(), products.end()));
      }
    }
  }
}

}  // namespace
}  // namespace uninstall
