// The update reminder at start-up: when it asks, what it remembers, and that a broken store never
// stops start-up.
#include "platform/Clock.h"
#include "platform/MsgBox.h"
#include "shell/Startup.h"
#include "shell/UpdateReminder.h"
#include "shell/WebAddresses.h"
#include "tests/ModalAnswer.h"
#include "tests/TestMain.h"
#include "tests/UrlRecorder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class tst_Reminder : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private:
    Recorder recorder_;
    const QDate today_{2026, 3, 20};

    // Writes the store's file as it would be on disk; "" leaves no file.
    void Store(const QByteArray& contents) {
        const QString path = ReminderSettingsPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (contents == "<folder>") {
            QVERIFY(QDir().mkpath(path));
        } else if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
    }

    QByteArray Stored() {
        QFile file(ReminderSettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void cleanupTestCase() { Recorder::Unwatch(); }

    void init() {
        recorder_.opened.clear();
        recorder_.Watch();
        const QString path = ReminderSettingsPath();
        QDir(path).removeRecursively();
        QFile::remove(path);
    }

    // Today is 2026-03-20. The box comes when the last reminder is more than 14 days away,
    // either way; today is remembered whenever it comes and on the first run.
    void reminder_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("answer"); // the button pressed, "" when no box may come
        QTest::addColumn<QByteArray>("storedAfter");
        QTest::addColumn<bool>("opensDownloadPage");
        const QByteArray todayStored = "LastUpdateReminder=2026-03-20";
        QTest::newRow("first run") << QByteArray() << "" << todayStored << false;
        QTest::newRow("14 days ago") << QByteArray("[General]\nLastUpdateReminder=2026-03-06\n")
                                     << "" << QByteArray("LastUpdateReminder=2026-03-06") << false;
        QTest::newRow("15 days ago, No") << QByteArray("[General]\nLastUpdateReminder=2026-03-05\n")
                                         << "No" << todayStored << false;
        QTest::newRow("15 days ago, Yes")
            << QByteArray("[General]\nLastUpdateReminder=2026-03-05\n") << "Yes" << todayStored
            << true;
        QTest::newRow("14 days ahead")
            << QByteArray("[General]\nLastUpdateReminder=2026-04-03\n") << ""
            << QByteArray("LastUpdateReminder=2026-04-03") << false;
        QTest::newRow("15 days ahead, No")
            << QByteArray("[General]\nLastUpdateReminder=2026-04-04\n") << "No" << todayStored
            << false;
        QTest::newRow("unreadable date counts as none")
            << QByteArray("[General]\nLastUpdateReminder=05/03/2026\n") << "" << todayStored
            << false;
        QTest::newRow("malformed line elsewhere, 15 days ago, No")
            << QByteArray("[General]\nLastUpdateReminder=2026-03-05\n[Broken\n") << "No"
            << todayStored << false;
        QTest::newRow("corrupt file")
            << QByteArray("\xff\xfe[General\n=\n\x01") << "" << QByteArray() << false;
        QTest::newRow("store cannot be written")
            << QByteArray("<folder>") << "" << QByteArray() << false;
    }
    // Start-up's form of the first run: nothing is on the disk until the returned write runs, and
    // the write keeps the day the reminder ran, not the day it is written.
    void firstRunWritesOnlyWhenAsked() {
        std::function<void()> write;
        {
            platform::FixedToday today(today_);
            write = RemindOfUpdateWritingLater();
        }
        QVERIFY(write);
        QVERIFY(!QFile::exists(ReminderSettingsPath()));
        write();
        QVERIFY2(Stored().contains("LastUpdateReminder=2026-03-20"), Stored().constData());
    }

    void reminder() {
        QFETCH(QString, answer);
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, storedAfter);
        QFETCH(bool, opensDownloadPage);
        Store(stored);
        platform::FixedToday today(today_);

        // Answers any box that comes; a box that should not come is answered No and fails.
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int boxes = 0;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, testsupport::Checked([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            ++boxes;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(answer == "Yes" ? QMessageBox::Yes : QMessageBox::No)->click();
        }));
        answerer.start(20);
        RemindOfUpdate();
        answerer.stop();

        QCOMPARE(boxes, answer.isEmpty() ? 0 : 1);
        if (boxes) {
            QCOMPARE(text, QStringLiteral("There maybe an update to this software available\r"
                                          "Do you want to check for an update?"));
            QCOMPARE(title, QStringLiteral("Kelvora"));
            QCOMPARE(icon, QMessageBox::Information);
        }
        if (!storedAfter.isEmpty()) {
            QVERIFY2(Stored().contains(storedAfter), Stored().constData());
        }
        QCOMPARE(recorder_.opened, opensDownloadPage
                                       ? QStringList{QString::fromLatin1(WebAddresses::UpdatePage)}
                                       : QStringList());
    }
};

QTEST_MAIN(tst_Reminder)
#include "tst_reminder.moc"
