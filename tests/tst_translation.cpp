// Kelvora in French: every caption fits its control in both languages, and the catalogues leave
// no English text behind.
#include "TestMain.h"
#include "UrlRecorder.h"

#include "casting/CastingBoard.h"
#include "casting/Chart.h"
#include "controls/LinkLabel.h"
#include "controls/RichTextBox.h"
#include "interpretation/modSikidy.h"
#include "platform/Translation.h"
#include "report/frmSave.h"
#include "shell/frmAbout.h"
#include "shell/frmExit.h"
#include "shell/frmMain.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
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
    void fits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char* language : {"en", "fr"}) {
            for (const char* window : {"main", "about", "report", "exit"}) {
                QTest::addRow("%s %s", language, window) << language << window;
            }
        }
    }

    // Every caption and label of every window, and the texts they take on later (the casting
    // button's fourteen captions, the exit window's two answers to Send).
    void fits() {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QTranslator french;
        if (language == u"fr") {
            QVERIFY(platform::LoadTranslation(french, language));
            QCoreApplication::installTranslator(&french);
        }
        QStringList overflows;
        if (window == u"main") {
            frmMain main;
            for (int count = 0; count <= 13; ++count) {
                main.Frame3->cmdProceed->setText(CastingBoard::StateCaption(count));
                overflows << Overflows(&main);
            }
        } else if (window == u"about") {
            overflows << Overflows(std::make_unique<frmAbout>().get());
        } else if (window == u"report") {
            controls::RichTextBox interpretation;
            overflows << Overflows(std::make_unique<frmSave>(interpretation).get());
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
        QVERIFY(platform::LoadTranslation(french, QStringLiteral("fr")));
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
