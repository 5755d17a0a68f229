// The rich-text box operations the interpretation writes with: insertion at the caret, the
// formatting of a selection, and the plain text read back with CR LF. The formatting of the text
// inserted next is checked where the interpretation writes with it.
#include "controls/RichTextBox.h"
#include "tests/TestMain.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

// The formats of the box's runs of text, in order, with the text of each.
QList<QPair<QString, QTextCharFormat>> Runs(const controls::RichTextBox& box) {
    QList<QPair<QString, QTextCharFormat>> runs;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            runs.append({it.fragment().text(), it.fragment().charFormat()});
        }
    }
    return runs;
}

void Select(controls::RichTextBox& box, int from, int to) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

} // namespace

class TestSikidyRichTextBox : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void textReadsBackWithCrLf_data() {
        QTest::addColumn<QStringList>("inserts");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << QStringList{} << "";
        QTest::newRow("one line") << QStringList{"abc"} << "abc";
        QTest::newRow("ends in a break") << QStringList{"a\r\n"} << "a\r\n";
        QTest::newRow("blank line")
            << QStringList{"a\r\n\r\n", "b\r\n\r\n"} << "a\r\n\r\nb\r\n\r\n";
        QTest::newRow("only a break") << QStringList{"\r\n"} << "\r\n";
        QTest::newRow("pieces") << QStringList{"Label :- ", "value\r\n\r\n", "Next"}
                                << "Label :- value\r\n\r\nNext";
        QTest::newRow("lone LF") << QStringList{"a\nb"} << "a\r\nb";
        QTest::newRow("trailing blank") << QStringList{"Mobile ", "\r\n"} << "Mobile \r\n";
    }
    void textReadsBackWithCrLf() {
        QFETCH(QStringList, inserts);
        QFETCH(QString, text);
        controls::RichTextBox box;
        for (const QString& insert : inserts) {
            box.SelText(insert);
        }
        QCOMPARE(box.Text(), text);
        QVERIFY(!box.toPlainText().contains(u'\r'));
    }

    void selTextReplacesTheSelection() {
        controls::RichTextBox box;
        box.SetText(QStringLiteral("Hello\r\nworld"));
        Select(box, 0, 5);
        QCOMPARE(box.SelLength(), 5);
        QCOMPARE(box.SelText(), QStringLiteral("Hello"));
        box.SelText(QStringLiteral("Bye"));
        QCOMPARE(box.Text(), QStringLiteral("Bye\r\nworld"));
        QCOMPARE(box.SelLength(), 0);
        box.SelText(QStringLiteral("!"));
        QCOMPARE(box.Text(), QStringLiteral("Bye!\r\nworld"));

        Select(box, 2, 7); // "e!", the break and "wo"
        QCOMPARE(box.SelLength(), 5);
        QCOMPARE(box.SelText(), QStringLiteral("e!\r\nwo"));
    }

    void formatAppliesToASelection() {
        controls::RichTextBox box;
        box.SelText(QStringLiteral("plain words"));
        Select(box, 6, 11);
        box.SelColor(Qt::blue);
        const auto runs = Runs(box);
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs[1].first, QStringLiteral("words"));
        QCOMPARE(runs[1].second.foreground().color(), QColor(Qt::blue));
        QVERIFY(!runs[0].second.hasProperty(QTextFormat::ForegroundBrush));
    }

    void emptyingDropsTheFormatting() {
        controls::RichTextBox box;
        box.SelBold(true);
        box.SelColor(Qt::yellow);
        box.SelText(QStringLiteral("old"));
        box.SetText(QString());
        QCOMPARE(box.Text(), QString());
        box.SelText(QStringLiteral("new"));
        const auto runs = Runs(box);
        QCOMPARE(runs.size(), 1);
        QVERIFY(!runs[0].second.hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(runs[0].second.fontWeight() != int(QFont::Bold));
    }

    void editBlockIsOneStep() {
        controls::RichTextBox box;
        {
            const controls::RichTextBox::EditBlock block(box);
            box.SelBold(true);
            box.SelText(QStringLiteral("one\r\n"));
            box.SelBold(false);
            box.SelText(QStringLiteral("two"));
        }
        QCOMPARE(box.Text(), QStringLiteral("one\r\ntwo"));
        QCOMPARE(Runs(box)[0].second.fontWeight(), int(QFont::Bold));
        box.document()->undo(); // the whole block goes in one step
        QCOMPARE(box.Text(), QString());
    }

    void editBlockReplacesTheSelection() {
        controls::RichTextBox box;
        box.SelText(QStringLiteral("keep OLD end"));
        QTextCursor selection = box.textCursor();
        selection.setPosition(5);
        selection.setPosition(8, QTextCursor::KeepAnchor);
        box.setTextCursor(selection);
        {
            const controls::RichTextBox::EditBlock block(box);
            QCOMPARE(box.SelText(), QStringLiteral("OLD"));
            box.SelText(QStringLiteral("new"));
            box.SelText(QStringLiteral(" text"));
        }
        QCOMPARE(box.Text(), QStringLiteral("keep new text end"));
        QCOMPARE(box.textCursor().position(), 13); // behind the inserted text
        QCOMPARE(box.SelLength(), 0);
    }
};

QTEST_MAIN(TestSikidyRichTextBox)
#include "tst_sikidy_richtextbox.moc"
