// Feeds arbitrary bytes through everything that reads an install script, as
// the wizard and the install pass would. ListIndexError is the script's own
// failure and is expected; anything else (a crash, a sanitizer report, another
// exception, a broken round trip, a script that `setupkit check` passes but
// whose plan stops) is a bug.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "kit/check.h"
#include "kit/plan.h"
#include "script/lines.h"
#include "script/markers.h"
#include "script/reader.h"
#include "script/sections.h"
#include "script/unscramble.h"
#include "script/version.h"

namespace {

using namespace script;

template <typename Read>
void TryRead(Read&& read) {
  try {
    read();
  } catch (const ListIndexError&) {
  }
}

void Require(bool holds) {
  if (!holds) std::abort();
}


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Lines script = SplitLines(text);
  Require(SplitLines(JoinLines(script)) == script);

  if (IsScrambled(script)) {
    const Lines scrambled = script;
    Unscramble(script);
    Require(Scramble(script) == scrambled);
  }

  TryRead([&] { FindVersion(script); });
  TryRead([&] { FindWindowTitle(script); });
  TryRead([&] { ReadSections(script); });
  for (std::string_view marker : marker::kLists) {
    Lines target;
    TryRead([&] {
      ReadListSection(script, marker, target);
      Require(marker != marker::kFiles || target.empty() ||
              target.at(0).empty());
    });
  }
  for (const marker::ValueMarker& value : marker::kValues)
    TryRead([&] { Require(ReadValueSection(script, value.text, value.lines).size() == value.lines); });
  ReadFlagSection(script, marker::kReboot);

  // The author's tool reads the same bytes without failing on any of them;
  // a script it passes without errors must also read in full.
  // Every line names a file that is there, so that missing files do not hide
  // the other faults.
  kit::FileSet dist;
  for (const std::string& line : script) dist.Add(line);
  const auto found = kit::CheckScript(text, dist);
  const kit::Plan plan = kit::MakePlan(text, {}, dist);
  if (!kit::HasErrors(found)) Require(plan.stop.empty());
  return 0;
}
