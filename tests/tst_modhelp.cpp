#include "platform/WebOpener.h"
#include "shell/WebAddresses.h"
#include "shell/modHelp.h"
#include "tests/TestMain.h"
#include "tests/UrlRecorder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWidget>
#include <QtTest>

using Opener = void (*)();

class tst_modHelp : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void init();
    void cleanup();

    void everyOpenerHasItsOwnPage();
    void noBrowserShowsNothing();
    void opensOnlyWebAddresses_data();
    void opensOnlyWebAddresses();

private:
    Recorder recorder_;
};

void tst_modHelp::init() {
    recorder_.opened.clear();
    recorder_.Watch();
}

void tst_modHelp::cleanup() {
    Recorder::Unwatch();
}

// Each opener opens one page of its own, once per call.
void tst_modHelp::everyOpenerHasItsOwnPage() {
    for (Opener opener : {&modHelp::OpenHelpPage, &modHelp::OpenHomePage, &modHelp::OpenUpdatePage,
                          &modHelp::OpenFullBrandPage, &modHelp::OpenCoBrandPage}) {
        opener();
    }
    QCOMPARE(recorder_.opened.size(), 5);
    QCOMPARE(QSet<QString>(recorder_.opened.begin(), recorder_.opened.end()).size(), 5);

    // The home page is a site's root; the two offers are the named pages of the help site.
    const QUrl home(recorder_.opened[1]);
    QVERIFY(home.path().isEmpty() || home.path() == QLatin1String("/"));
    const QUrl fullBrand(recorder_.opened[3]);
    const QUrl coBrand(recorder_.opened[4]);
    QCOMPARE(fullBrand.fileName(), QStringLiteral("fully-branded.html"));
    QCOMPARE(coBrand.fileName(), QStringLiteral("co-brand.html"));
    QCOMPARE(fullBrand.adjusted(QUrl::RemoveFilename), coBrand.adjusted(QUrl::RemoveFilename));
    for (const QString& page : recorder_.opened) {
        QVERIFY2(QUrl(page).scheme().startsWith(QLatin1String("http")), qPrintable(page));
    }
}

void tst_modHelp::noBrowserShowsNothing() {
    cleanup(); // offscreen, nothing takes the address: no browser at all
    QVERIFY(!platform::OpenWebAddress(QString::fromLatin1(WebAddresses::HomePage)));
    modHelp::OpenHomePage();
    modHelp::OpenHelpPage();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
}

void tst_modHelp::opensOnlyWebAddresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened"); // empty: refused

    const QString page("https://kelvora.example/a/b.html?q=1&r=%20%2F#top");
    QTest::newRow("letter for letter") << page << page;
    QTest::newRow("www") << "www.kelvora.example/x"
                         << "http://www.kelvora.example/x";
    QTest::newRow("ftp") << "ftp://kelvora.example/f"
                         << "ftp://kelvora.example/f";
    QTest::newRow("mailto") << "mailto:a@kelvora.example"
                            << "mailto:a@kelvora.example";
    QTest::newRow("file") << "file:///etc/passwd" << QString();
    QTest::newRow("program") << "/usr/bin/xterm" << QString();
    QTest::newRow("script") << "javascript:alert(1)" << QString();
    QTest::newRow("malformed") << "https://kelvora.example/a b" << QString();
    QTest::newRow("empty") << QString() << QString();
}

void tst_modHelp::opensOnlyWebAddresses() {
    QFETCH(QString, address);
    QFETCH(QString, opened);
    QCOMPARE(platform::OpenWebAddress(address), !opened.isEmpty());
    QCOMPARE(recorder_.opened, opened.isEmpty() ? QStringList{} : QStringList{opened});
}

QTEST_MAIN(tst_modHelp)
#include "tst_modhelp.moc"
