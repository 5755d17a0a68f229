#include "platform/Shell.h"
#include "shell/WebAddresses.h"
#include "shell/modHelp.h"
#include "tests/UrlRecorder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWidget>
#include <QtTest>

using namespace platform;

using Opener = void (*)();
Q_DECLARE_METATYPE(Opener)

class tst_modHelp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openerOpensItsOwnPage_data();
    void openerOpensItsOwnPage();
    void everyOpenerHasItsOwnPage();
    void noBrowserShowsNothing();
    void shellOpensOnlyWebAddresses_data();
    void shellOpensOnlyWebAddresses();

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

void tst_modHelp::openerOpensItsOwnPage_data() {
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<QString>("page");
    QTest::newRow("help") << Opener(&modHelp::OpenHelpPage)
                          << QString::fromLatin1(WebAddresses::HelpPage);
    QTest::newRow("home") << Opener(&modHelp::OpenHomePage)
                          << QString::fromLatin1(WebAddresses::HomePage);
    QTest::newRow("update") << Opener(&modHelp::OpenUpdatePage)
                            << QString::fromLatin1(WebAddresses::UpdatePage);
    QTest::newRow("full brand") << Opener(&modHelp::OpenFullBrandPage)
                                << QString::fromLatin1(WebAddresses::FullBrandPage);
    QTest::newRow("co-brand") << Opener(&modHelp::OpenCoBrandPage)
                              << QString::fromLatin1(WebAddresses::CoBrandPage);
}

void tst_modHelp::openerOpensItsOwnPage() {
    QFETCH(Opener, opener);
    QFETCH(QString, page);
    opener();
    QCOMPARE(recorder_.opened, QStringList{page});
    opener();
    QCOMPARE(recorder_.opened, (QStringList{page, page}));
}

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
    QCOMPARE(ShellExecuteA(nullptr, "Open", WebAddresses::HomePage, nullptr, "C:\\",
                           SW_SHOWNORMAL) <= 32,
             true);
    modHelp::OpenHomePage();
    modHelp::OpenHelpPage();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
}

void tst_modHelp::shellOpensOnlyWebAddresses_data() {
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("opened");

    const QByteArray page("https://kelvora.example/a/b.html?q=1&r=%20%2F#top");
    QTest::newRow("letter for letter") << QByteArray("Open") << page << true << QString(page);
    QTest::newRow("verb in any case") << QByteArray("open") << page << true << QString(page);
    QTest::newRow("no verb opens") << QByteArray() << page << true << QString(page);
    QTest::newRow("other verb") << QByteArray("print") << page << false << QString();
    QTest::newRow("www") << QByteArray("Open") << QByteArray("www.kelvora.example/x") << true
                         << QStringLiteral("http://www.kelvora.example/x");
    QTest::newRow("mailto") << QByteArray("Open") << QByteArray("mailto:a@kelvora.example") << true
                            << QStringLiteral("mailto:a@kelvora.example");
    QTest::newRow("file") << QByteArray("Open") << QByteArray("file:///etc/passwd") << false
                          << QString();
    QTest::newRow("program") << QByteArray("Open") << QByteArray("/usr/bin/xterm") << false
                             << QString();
    QTest::newRow("script") << QByteArray("Open") << QByteArray("javascript:alert(1)") << false
                            << QString();
    QTest::newRow("malformed") << QByteArray("Open") << QByteArray("https://kelvora.example/a b")
                               << false << QString();
    QTest::newRow("empty") << QByteArray("Open") << QByteArray("") << false << QString();
}

void tst_modHelp::shellOpensOnlyWebAddresses() {
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, file);
    QFETCH(bool, opens);
    QFETCH(QString, opened);
    const HINSTANCE_RESULT result = ShellExecuteA(
        nullptr, verb.isNull() ? nullptr : verb.constData(), file.constData(), nullptr, nullptr, 1);
    QCOMPARE(result > 32, opens);
    QCOMPARE(recorder_.opened, opens ? QStringList{opened} : QStringList{});
}

QTEST_MAIN(tst_modHelp)
#include "tst_modhelp.moc"
