#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Records the addresses that reach the desktop, in place of a browser: register it with
// QDesktopServices::setUrlHandler(scheme, &recorder, "open").
class Recorder : public QObject {
    Q_OBJECT

public:
    QStringList opened;

public slots:
    void open(const QUrl& url) { opened.append(QString::fromLatin1(url.toEncoded())); }
};
