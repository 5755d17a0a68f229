#include "shell/modHelp.h"

#include "platform/Shell.h"
#include "shell/WebAddresses.h"

#include <QRegularExpression>
#include <QUrl>

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

void OpenOtherProgramsPage() {
    OpenWebPage(WebAddresses::OtherProgramsPage);
}

bool LooksLikeEmail(const QString& address) {
    static const QRegularExpression pattern(QStringLiteral(R"(^[^@\s]+@[^@\s.]+(\.[^@\s.]+)+$)"));
    return pattern.match(address).hasMatch();
}

QByteArray ReferAddress(const QString& yourName, const QString& friendName,
                        const QString& friendEmail) {
    // Every byte outside the unreserved characters is encoded, so "&", "=", "#", "+" and
    // blanks in a name stay inside their own parameter.
    return QByteArray(WebAddresses::ReferPage) +
           "?yourname=" + QUrl::toPercentEncoding(yourName.trimmed()) +
           "&friendname=" + QUrl::toPercentEncoding(friendName.trimmed()) +
           "&friendemail=" + QUrl::toPercentEncoding(friendEmail.trimmed());
}

bool OpenReferPage(const QString& yourName, const QString& friendName, const QString& friendEmail) {
    if (!LooksLikeEmail(friendEmail.trimmed())) {
        return false;
    }
    OpenWebPage(ReferAddress(yourName, friendName, friendEmail).constData());
    return true;
}

} // namespace modHelp
