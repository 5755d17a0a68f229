#include "shell/modHelp.h"

#include "platform/WebOpener.h"
#include "shell/WebAddresses.h"

#include <QRegularExpression>
#include <QUrl>

namespace modHelp {

namespace {

// The browser is a program of its own, not tied to any window of ours.
void OpenWebPage(const char* address) {
    platform::OpenWebAddress(QString::fromLatin1(address));
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
