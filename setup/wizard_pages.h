#pragma once
#include <string>
#include <vector>

#include "platform/controls.h"

namespace setup {

// What the user has chosen on the pages, or the start-up's defaults for a
// page not yet shown.
struct Answers {
  std::string destination, startMenu;
  bool viewReadme = true;
};

// The wizard's pages; the page control holds each one's panel. The first is
// made with the wizard. The others are made when first shown, from the
// defaults the start-up found, so that the first page comes up sooner.
struct WelcomePage {
  explicit WelcomePage(platform::PageControl& pages);
  platform::Panel& panel;
  platform::Bevel bevel;
  platform::Label heading, text, installs;
};

struct DestinationPage {
  DestinationPage(platform::PageControl& pages, const std::string& introText, const std::string& folder);
  platform::Panel& panel;
  platform::Bevel bevel;
  platform::Label intro, caption;
  platform::FolderEdit destination;
};

struct StartMenuPage {
  StartMenuPage(platform::PageControl& pages, const std::vector<std::string>& choices, const std::string& startMenu);
  platform::Panel& panel;
  platform::Bevel bevel;
  platform::Label intro, caption;
  platform::ComboBox folder;
};

struct ReadmePage {
  ReadmePage(platform::PageControl& pages, bool viewReadme);
  platform::Panel& panel;
  platform::Bevel bevel;
  platform::Label intro;
  platform::CheckBox viewReadme;
};

struct ConfirmPage {
  explicit ConfirmPage(platform::PageControl& pages);
  void Summarise(const Answers& answers);
  platform::Panel& panel;
  platform::Bevel bevel;
  platform::Label intro, destinationCaption, destination, startMenuCaption, startMenu, readmeCaption, readme;
};

}  // namespace setup
