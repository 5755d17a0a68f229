#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

bool IsWebScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp") || scheme == QLatin1String("mailto");
}

} // namespace

HINSTANCE_RESULT ShellExecuteA(HWND, const char* lpOperation, const char* lpFile, const char*,
                               const char*, int) {
    if (lpOperation != nullptr && QByteArray(lpOperation).compare("open", Qt::CaseInsensitive)) {
        return SE_ERR_NOASSOC;
    }
    if (lpFile == nullptr || *lpFile == '\0') {
        return ERROR_FILE_NOT_FOUND;
    }
    QString address = QString::fromLatin1(lpFile);
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        address.prepend(QLatin1String("http://"));
    }
    // Strict parsing leaves a well-formed address exactly as it is and refuses any other, rather
    // than mending it into an address nobody wrote.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (!IsWebScheme(url.scheme())) {
        return SE_ERR_NOASSOC;
    }
    return QDesktopServices::openUrl(url) ? SHELL_OPENED : SE_ERR_NOASSOC;
}

} // namespace platform
