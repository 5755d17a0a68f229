#include "platform/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool LoadTranslation(QTranslator& translator, const QLocale& locale) {
    return translator.load(locale, QStringLiteral("kelvora"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
}

QString UseSessionLanguage() {
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!LoadTranslation(*own, QLocale())) {
        delete own;
        return {};
    }
    // Qt's own texts (dialog buttons, Save As, Print) in the language Kelvora speaks, not in the
    // session's first one, so that no window mixes two languages; without them they stay English.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(own);
    return own->language();
}

} // namespace platform
