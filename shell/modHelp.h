#pragma once

// The openers of the maker's web pages: each hands its one address to the desktop, which opens
// it in the default browser, and returns at once. Nothing is reported when it cannot be opened.
namespace modHelp {

void OpenHelpPage();
void OpenHomePage();
void OpenUpdatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

} // namespace modHelp
