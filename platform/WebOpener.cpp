#include "platform/WebOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

bool IsWebScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp") || scheme == QLatin1String("mailto");
}

} // namespace

bool OpenWebAddress(const QString& address) {
    QString text = address;
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        text.prepend(QLatin1String("http://"));
    }
    // Strict parsing leaves a well-formed address exactly as it is and refuses any other, rather
    // than mending it into an address nobody wrote.
    const QUrl url(text, QUrl::StrictMode);
    if (text.isEmpty() || !url.isValid() || !IsWebScheme(url.scheme())) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

} // namespace platform
