#pragma once
#include <optional>
#include <string>
#include <vector>

#include "script/lines.h"

// The wizard's rules that need no window: kept apart so they can be tested alone.
namespace setup {

// The program's folder: its path cut after the last "\" or ":", without a
// trailing backslash. C:\DIST\SETUP.EXE gives C:\DIST, A:\SETUP.EXE gives A:.
std::string SourceFolderOf(const std::string& programPath);

struct Point {
  int x, y;
};
// Where a panel stands when centred on the screen (integer halving).
Point CentredOrigin(int screenWidth, int screenHeight, int panelWidth, int panelHeight);

// The Program Files folder followed directly by script line 0.
std::string DefaultDestination(const std::string& line0, const std::string& programFiles = "C:\\Program Files");

// The folder an earlier install went to, from the text of the path file it
// wrote: ":run" on the first line, the folder on the second; "" for any
// other text.
std::string EarlierDestination(const std::string& pathFileText);

// The Start Menu choices from a folder list: the first two entries (the
// folder and its parent) are skipped and each other entry loses its first and
// last character: "[Accessories]" gives "Accessories".
std::vector<std::string> StartMenuChoices(const std::vector<std::string>& folderList);

// The product's brand in the wizard: the big title and the subtitle at the
// top, and the destination page's text with its folder word.
struct Brand {
  std::string title, subtitle, destinationText;
};
// The script's ":brand" lines (title, subtitle, folder word), each line
// taken as it is; without the section, or with fewer than three lines after
// it, the fixed texts.
Brand WizardBrand(const script::Lines& script);

enum class Page { Welcome, Destination, StartMenu, Readme, Confirm };
enum class Direction { Forward, Back };

// One step through the pages. Fields without a value stay as they are.
struct PageStep {
  Page page;
  std::optional<bool> backEnabled;
  std::optional<std::string> nextCaption;
};
PageStep StepPage(Page active, Direction direction);

}  // namespace setup
