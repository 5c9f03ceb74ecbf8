#include "setup/wizard_pages.h"

#include "setup/ids.h"

namespace setup {

namespace {
constexpr platform::Bounds kBevel{4, 4, 321, 121};
}

WelcomePage::WelcomePage(platform::PageControl& pages)
    : panel(pages.AddPage(ids::welcomePage)),
      bevel(panel, ids::welcomeBevel, kBevel),
      heading(panel, ids::welcomeHeading, "Welcome to the universal install utility", {12, 12, 305, 16}, true),
      text(panel, ids::welcomeText,
           "Please answer the questions on the following pages to allow the Setup Utility to "
           "properly install your program.",
           {12, 34, 305, 42}, true),
      installs(panel, ids::installsText, "Setup will install:", {12, 82, 305, 36}, true) {}

DestinationPage::DestinationPage(platform::PageControl& pages, const std::string& introText, const std::string& folder)
    : panel(pages.AddPage(ids::destinationPage)),
      bevel(panel, ids::destinationBevel, kBevel),
      intro(panel, ids::destinationText, introText, {12, 10, 305, 66}, true),
      caption(panel, ids::destinationCaption, "Destination Directory", {12, 78, 200, 14}),
      destination(panel, ids::destination, folder, {12, 94, 305, 21}) {}

StartMenuPage::StartMenuPage(platform::PageControl& pages, const std::vector<std::string>& choices,
                             const std::string& startMenu)
    : panel(pages.AddPage(ids::startMenuPage)),
      bevel(panel, ids::startMenuBevel, kBevel),
      intro(panel, ids::startMenuText,
            "Select the default Start Menu Folder listed below or change it to any other Start "
            "Menu folder listed in the drop down box.",
            {12, 12, 305, 44}, true),
      caption(panel, ids::startMenuCaption, "Start Menu Folder", {12, 64, 200, 14}),
      folder(panel, ids::startMenu, {12, 80, 305, 21}) {
  for (const auto& choice : choices) folder.AddItem(choice);
  folder.SetText(startMenu);
}

ReadmePage::ReadmePage(platform::PageControl& pages, bool view)
    : panel(pages.AddPage(ids::readmePage)),
      bevel(panel, ids::readmeBevel, kBevel),
      intro(panel, ids::readmeText,
            "After installation, you may choose to view any updated information included in the "
            "README.TXT file.  It is recommended that you browse this file as some of it's "
            "information may not be included in the help documentation.",
            {12, 10, 305, 80}, true),
      viewReadme(panel, ids::readme, "View Readme File.", {12, 96, 200, 18}) {
  viewReadme.SetChecked(view);
}

ConfirmPage::ConfirmPage(platform::PageControl& pages)
    : panel(pages.AddPage(ids::confirmPage)),
      bevel(panel, ids::confirmBevel, kBevel),
      intro(panel, ids::confirmText, "Press Install to continue, or Back to make changes to the installation",
            {12, 10, 305, 30}, true),
      destinationCaption(panel, ids::destinationSummaryCaption, "Destination", {12, 48, 96, 14}),
      destination(panel, ids::destinationSummary, "", {110, 48, 207, 14}),
      startMenuCaption(panel, ids::startMenuSummaryCaption, "Start Menu folder:", {12, 68, 96, 14}),
      startMenu(panel, ids::startMenuSummary, "", {110, 68, 207, 14}),
      readmeCaption(panel, ids::readmeSummaryCaption, "View Readme:", {12, 88, 96, 14}),
      readme(panel, ids::readmeSummary, "", {110, 88, 207, 14}) {}

void ConfirmPage::Summarise(const Answers& answers) {
  destination.SetText(answers.destination);
  startMenu.SetText(answers.startMenu);
  readme.SetText(answers.viewReadme ? "Yes" : "No");
}

}  // namespace setup
