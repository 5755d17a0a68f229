// Kelvora in French: the session's environment picks the language of Kelvora's texts and of Qt's,
// every caption fits its control in both languages, and the catalogues leave no English text
// behind.
#include "TestMain.h"
#include "UrlRecorder.h"
#include "tests/JournalSupport.h"

#include "casting/CastingBoard.h"
#include "casting/Chart.h"
#include "casting/frmMothers.h"
#include "casting/frmReading.h"
#include "controls/LinkLabel.h"
#include "controls/PictureBox.h"
#include "controls/RichTextBox.h"
#include "interpretation/modSikidy.h"
#include "journal/Import.h"
#include "journal/frmFigures.h"
#include "journal/frmImportSummary.h"
#include "journal/frmJournal.h"
#include "journal/frmKeep.h"
#include "platform/Translation.h"
#include "report/frmSave.h"
#include "shell/frmAbout.h"
#include "shell/frmExit.h"
#include "shell/frmMain.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTranslator>

#include <memory>

namespace {

// What a control shows: a label with a buddy or a button hides the "&" of its mnemonic.
QString Shown(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x1"))
        .remove(u'&')
        .replace(u'\x1', u'&');
}

// The controls of `window` whose text does not fit inside them at their own font, as
// "name: text", and nothing when all fit, hidden ones included (the offer not shown at this
// start). Controls never change size, so the text must.
QStringList Overflows(const QWidget* window) {
    QStringList found;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString text = label->buddy() ? Shown(label->text()) : label->text();
        const QRect box = label->contentsRect();
        const QRect need =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, box.width(), 10000),
                              int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                              text);
        if (need.width() > box.width() || need.height() > box.height()) {
            found << label->objectName() + QStringLiteral(": ") + text;
        }
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (QFontMetrics(button->font()).horizontalAdvance(Shown(button->text())) + 2 * margin >
            button->width()) {
            found << button->objectName() + QStringLiteral(": ") + button->text();
        }
    }
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        // The caption starts one indent in and must end one indent before the right edge.
        const int indent = 2 * frame->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
        if (QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + indent >
            frame->width()) {
            found << frame->objectName() + QStringLiteral(": ") + frame->title();
        }
    }
    return found;
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void sessionLanguage_data() {
        QTest::addColumn<QString>("languages"); // LANGUAGE
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("caption"); // the casting button's last caption, Kelvora's
        QTest::addColumn<QString>("yes");     // a message box's Yes button, Qt's
        const QString french = QStringLiteral("Recommencer"), oui = QStringLiteral("&Oui");
        const QString english = QStringLiteral("Do It Once Again"), yes = QStringLiteral("&Yes");
        const QString unset, c = QStringLiteral("C");
        const QString en = QStringLiteral("en_US.UTF-8"), fr = QStringLiteral("fr_FR.UTF-8");
        QTest::newRow("LANGUAGE=fr") << "fr" << unset << en << french << oui;
        QTest::newRow("a region Kelvora lacks") << "fr_CA" << unset << en << french << oui;
        QTest::newRow("a language Kelvora lacks, then French")
            << "de:fr" << unset << en << french << oui;
        QTest::newRow("a language Kelvora lacks") << "de" << unset << fr << english << yes;
        QTest::newRow("English, then French") << "en:fr" << unset << fr << english << yes;
        QTest::newRow("LANGUAGE over LC_ALL") << "en" << fr << fr << english << yes;
        QTest::newRow("LC_ALL over LANG") << unset << fr << en << french << oui;
        QTest::newRow("LANG") << unset << unset << fr << french << oui;
        QTest::newRow("C locale") << unset << c << c << english << yes;
    }

    // The language a session's environment gives Kelvora, for its own texts and for Qt's: the
    // first of the session's languages that Kelvora speaks, or English. Run in a program of its
    // own, as a session starts it, since the system locale is read once per process.
    void sessionLanguage() {
        QFETCH(QString, languages);
        QFETCH(QString, lcAll);
        QFETCH(QString, lang);
        QFETCH(QString, caption);
        QFETCH(QString, yes);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_MESSAGES"));
        for (const auto& [name, value] : {std::pair{"LANGUAGE", languages},
                                          std::pair{"LC_ALL", lcAll}, std::pair{"LANG", lang}}) {
            if (value.isEmpty()) {
                environment.remove(QLatin1String(name));
            } else {
                environment.insert(QLatin1String(name), value);
            }
        }
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(LANGUAGE_PROBE), QStringList());
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        const QStringList shown = QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n');
        QCOMPARE(shown.value(0), caption);
        if (yes != shown.value(1) &&
            !QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_fr.qm"))) {
            QSKIP("Qt's French translation is not installed (Debian: qt6-translations-l10n)");
        }
        QCOMPARE(shown.value(1), yes);
    }

    void fits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char* language : {"en", "fr"}) {
            for (const char* window : {"main", "about", "report", "exit", "mothers", "journal",
                                       "keep", "reading", "import", "figures"}) {
                QTest::addRow("%s %s", language, window) << language << window;
            }
        }
    }

    // Every caption and label of every window, and the texts they take on later (the casting
    // button's fourteen captions, the exit window's two answers to Send, refused pastes).
    void fits() {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QTranslator french;
        if (language == u"fr") {
            QVERIFY(platform::LoadTranslation(french, QLocale(language)));
            QCoreApplication::installTranslator(&french);
        }
        QStringList overflows;
        if (window == u"main") {
            frmMain main;
            for (int count = 0; count <= 13; ++count) {
                for (Tableau tableau : {Tableau::Classic, Tableau::Diviners}) {
                    main.Frame3->cmdProceed->setText(CastingBoard::StateCaption(count, tableau));
                    overflows << Overflows(&main);
                }
            }
        } else if (window == u"about") {
            overflows << Overflows(std::make_unique<frmAbout>().get());
        } else if (window == u"report") {
            controls::RichTextBox interpretation;
            overflows << Overflows(std::make_unique<frmSave>(interpretation).get());
        } else if (window == u"mothers") {
            frmMothers mothers(nullptr, Tableau::Classic, std::nullopt);
            overflows << Overflows(&mothers);
            // The longest refusals: a wrong row and a long paste, which is cut.
            for (const QString& pasted : {QStringLiteral("x"), QString(40, u'1')}) {
                QGuiApplication::clipboard()->setText(pasted);
                QTest::keyClick(mothers.picMother[0], Qt::Key_V, Qt::ControlModifier);
                overflows << Overflows(&mothers);
            }
        } else if (window == u"journal") { // not kept in yet: the window's longest line
            const QTemporaryDir folder;
            frmJournal journal(nullptr, nullptr, folder.filePath("journal.sqlite"));
            overflows << Overflows(&journal);
        } else if (window == u"keep") {
            frmKeep keep(
                nullptr, frmJournal::tr("Keep in Journal"),
                frmJournal::tr("Mothers %1, diviners' tableau").arg("1112/1112/1211/2121"));
            overflows << Overflows(&keep);
        } else if (window == u"import") { // the longest outcome: a file that could not be read
            journal::ImportSummary summary;
            summary.error = frmJournal::tr("%1 could not be read: %2")
                                .arg(QStringLiteral("/home/someone/notebooks/tableaux.txt"),
                                     QStringLiteral("Permission denied"));
            frmImportSummary said(nullptr, QStringLiteral("tableaux.txt"), summary);
            overflows << Overflows(&said);
        } else if (window == u"figures") { // counted, then a cell chosen: its longest lines
            const QTemporaryDir folder;
            const QString path = folder.filePath("journal.sqlite");
            QVERIFY(testsupport::KeepCharts(path, 20));
            journal::JournalStore store(path);
            frmFigures figures(nullptr, nullptr, store, QStringLiteral("1"));
            overflows << Overflows(&figures);
            QSignalSpy counted(&figures, &frmFigures::Counted);
            QVERIFY(counted.wait(10000));
            overflows << Overflows(&figures);
            figures.grdFigures->setCurrentIndex(figures.grdFigures->model()->index(11, 15));
            overflows << Overflows(&figures);
        } else if (window == u"reading") { // a classic chart: the longest first line
            frmMain main;
            main.Frame3->OpenChart(*ReadMothers(QStringLiteral("1112/1112/1211/2121")),
                                   Tableau::Classic);
            frmReading reading(main.Frame3, nullptr);
            overflows << Overflows(&reading);
        } else {
            Recorder browser;
            browser.Watch();
            frmExit exit;
            overflows << Overflows(&exit);
            exit.cmdSend->click(); // no address: asks for one
            overflows << Overflows(&exit);
            exit.txtFriendEmail->setText(QStringLiteral("friend@example.org"));
            exit.cmdSend->click(); // thanks
            overflows << Overflows(&exit);
            Recorder::Unwatch();
        }
        QCoreApplication::removeTranslator(&french);
        overflows.removeDuplicates();
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
    }

    // Every text of the figure and house catalogues that is shown has a French translation;
    // only the identifiers and the Latin names stay as they are.
    void cataloguesTranslated() {
        QTranslator french;
        QVERIFY(platform::LoadTranslation(french, QLocale(QLocale::French)));
        QStringList untranslated;
        const auto check = [&](const char* context, const char* text) {
            if (french.translate(context, text).isEmpty()) {
                untranslated << QString::fromUtf8(text);
            }
        };
        using modSikidy::FigureInfo;
        for (int i = 0; i < modSikidy::FigureCount; ++i) {
            const FigureInfo& figure = modSikidy::FigureRecord(i);
            for (const char* FigureInfo::*text :
                 {&FigureInfo::title, &FigureInfo::keyword, &FigureInfo::category,
                  &FigureInfo::direction, &FigureInfo::day, &FigureInfo::element,
                  &FigureInfo::quality, &FigureInfo::planet, &FigureInfo::sign,
                  &FigureInfo::bodyPart, &FigureInfo::shortSignificance,
                  &FigureInfo::longSignificance}) {
                check("modSikidy", figure.*text);
            }
        }
        for (int h = 1; h <= HouseCount; ++h) {
            check("modSikidy", modSikidy::HouseRecord(h)->meaning);
            check("Chart", HouseEntry(h).label);
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
