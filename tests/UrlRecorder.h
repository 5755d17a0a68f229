#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Records the addresses that reach the desktop, in place of a browser. Watch() takes every
// scheme the tests ever write, the refused ones and none at all included, so an address that
// should have been refused is seen rather than quietly failing to open on a test machine.
class Recorder : public QObject {
    Q_OBJECT

public:
    QStringList opened;

    void Watch() {
        for (const QString& scheme : Schemes()) {
            QDesktopServices::setUrlHandler(scheme, this, "open");
        }
    }
    static void Unwatch() {
        for (const QString& scheme : Schemes()) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }

public slots:
    void open(const QUrl& url) { opened.append(QString::fromLatin1(url.toEncoded())); }

private:
    static QStringList Schemes() {
        return {QString(),
                QStringLiteral("http"),
                QStringLiteral("https"),
                QStringLiteral("ftp"),
                QStringLiteral("mailto"),
                QStringLiteral("file"),
                QStringLiteral("javascript"),
                QStringLiteral("news"),
                QStringLiteral("ssh")};
    }
};
