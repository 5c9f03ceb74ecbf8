#pragma once

// Control ids of the wizard; fixed, so that UI automation can address them.
namespace setup::ids {
enum : int {
  title = 100, subtitle, versionCaption, version, product, statusBar, panel, pages,
  back, next, exit,
  welcomePage, welcomeBevel, welcomeHeading, welcomeText, installsText,
  destinationPage, destinationBevel, destinationText, destinationCaption, destination,
  destinationBrowse /* destination + 1 */,
  startMenuPage, startMenuBevel, startMenuText, startMenuCaption, startMenu,
  readmePage, readmeBevel, readmeText, readme,
  confirmPage, confirmBevel, confirmText, destinationSummaryCaption, destinationSummary,
  startMenuSummaryCaption, startMenuSummary, readmeSummaryCaption, readmeSummary,
};
}
