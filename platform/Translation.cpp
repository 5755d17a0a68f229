#include "platform/Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

QString TranslationFile(const QString& language) {
    return QStringLiteral(":/i18n/kelvora_%1.qm").arg(language);
}

// The languages a session's language tag ("fr-FR") may be served by, the closest first.
QStringList Candidates(const QString& tag) {
    QString name = tag;
    name.replace(u'-', u'_');
    const QString language = name.section(u'_', 0, 0);
    return name == language ? QStringList{name} : QStringList{name, language};
}

} // namespace

bool LoadTranslation(QTranslator& translator, const QString& language) {
    return translator.load(TranslationFile(language));
}

QString UseSessionLanguage() {
    const QStringList tags = QLocale::system().uiLanguages();
    for (const QString& tag : tags) {
        const QStringList candidates = Candidates(tag);
        // The source texts are English: an English session, or the C locale, needs nothing.
        if (candidates.constLast() == u"en" || candidates.constLast() == u"C") {
            return {};
        }
        for (const QString& language : candidates) {
            if (!QFileInfo::exists(TranslationFile(language))) {
                continue;
            }
            auto* own = new QTranslator(QCoreApplication::instance());
            if (!LoadTranslation(*own, language)) {
                delete own;
                continue;
            }
            // Qt's own texts (dialog buttons, Save As, Print) in the same language, where the
            // system has them; without them those stay English.
            auto* qt = new QTranslator(QCoreApplication::instance());
            if (qt->load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt);
            } else {
                delete qt;
            }
            // Installed last, so it is asked first.
            QCoreApplication::installTranslator(own);
            return language;
        }
    }
    return {};
}

} // namespace platform
