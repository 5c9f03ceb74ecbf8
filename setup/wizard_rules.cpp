#include "setup/wizard_rules.h"

#include "platform/path_chars.h"
#include "script/markers.h"
#include "script/reader.h"

namespace setup {

std::string SourceFolderOf(const std::string& programPath) {
  const auto cut = platform::LastDelimiter(programPath, "\\:");
  std::string folder = cut == std::string::npos ? "" : programPath.substr(0, cut + 1);
  return platform::WithoutTrailingBackslash(folder);
}

Point CentredOrigin(int screenWidth, int screenHeight, int panelWidth, int panelHeight) {
  return {screenWidth / 2 - panelWidth / 2, screenHeight / 2 - panelHeight / 2};
}

Brand WizardBrand(const script::Lines& script) {
  std::string title = "OXLIP", subtitle = "Dir 95/98 Avadav Avazure", folder = "Quorvane";
  if (const auto at = script::FindMarker(script, script::marker::kBrand); at && *at + 3 < script.size()) {
    title = script.at(*at + 1);
    subtitle = script.at(*at + 2);
    folder = script.at(*at + 3);
  }
  return {title, subtitle,
          "On this page, you will select the destination directory for the install.  The default is usually in the "
          "Program Files folder under the subdirectory " +
              folder + ".  You may change this directory name to any directory name allowed by the system."};
}

std::string DefaultDestination(const std::string& line0, const std::string& programFiles) {
  return programFiles + line0;
}

std::string EarlierDestination(const std::string& pathFileText) {
  const script::Lines lines = script::SplitLines(pathFileText);
  return lines.size() >= 2 && lines.at(0) == ":run" ? lines.at(1) : "";
}

std::vector<std::string> StartMenuChoices(const std::vector<std::string>& folderList) {
  std::vector<std::string> choices;
  for (std::size_t i = 2; i < folderList.size(); ++i) {
    const std::string& entry = folderList[i];
    choices.push_back(entry.size() >= 2 ? entry.substr(1, entry.size() - 2) : "");
  }
  return choices;
}

PageStep StepPage(Page active, Direction direction) {
  // The first matching row applies; nothing else happens to the pages.
  static const struct Row {
    Direction direction;
    Page from, to;
    std::optional<bool> backEnabled;
    const char* nextCaption;
  } rows[] = {
      {Direction::Forward, Page::Welcome, Page::Destination, true, nullptr},
      {Direction::Forward, Page::Destination, Page::StartMenu, std::nullopt, nullptr},
      {Direction::Forward, Page::StartMenu, Page::Readme, std::nullopt, nullptr},
      {Direction::Forward, Page::Readme, Page::Confirm, std::nullopt, "&Install"},
      {Direction::Back, Page::Confirm, Page::Readme, std::nullopt, "&Next"},
      {Direction::Back, Page::Readme, Page::StartMenu, std::nullopt, nullptr},
      {Direction::Back, Page::StartMenu, Page::Destination, std::nullopt, nullptr},
      {Direction::Back, Page::Destination, Page::Welcome, false, nullptr},
  };
  for (const Row& row : rows) {
    if (row.direction != direction || row.from != active) continue;
    PageStep step{row.to, row.backEnabled, std::nullopt};
    if (row.nextCaption) step.nextCaption = row.nextCaption;
    return step;
  }
  return {active, std::nullopt, std::nullopt};
}

}  // namespace setup
