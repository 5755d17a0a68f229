#include "shell/modHelp.h"

#include "platform/Shell.h"
#include "shell/WebAddresses.h"

using namespace platform;

namespace modHelp {

namespace {

// No owner window, so the browser is not tied to ours; the folder is the one a Windows shell is
// given and is not needed to open an address.
void OpenWebPage(const char* address) {
    ShellExecuteA(nullptr, "Open", address, nullptr, "C:\\", SW_SHOWNORMAL);
}

} // namespace

void OpenHelpPage() {
    OpenWebPage(WebAddresses::HelpPage);
}

void OpenHomePage() {
    OpenWebPage(WebAddresses::HomePage);
}

void OpenUpdatePage() {
    OpenWebPage(WebAddresses::UpdatePage);
}

void OpenFullBrandPage() {
    OpenWebPage(WebAddresses::FullBrandPage);
}

void OpenCoBrandPage() {
    OpenWebPage(WebAddresses::CoBrandPage);
}

} // namespace modHelp
