// The single-instance guard across real processes: a running kelvora refuses this one, a killed
// one does not.
#include "platform/InstanceLock.h"
#include "platform/MsgBox.h"
#include "platform/ProgramIcon.h"
#include "shell/Startup.h"
#include "tests/ModalAnswer.h"
#include "tests/TestMain.h"

#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <sys/time.h>
#include <utime.h>

class TestStartup : public QObject {
    Q_OBJECT

private:
    QProcess first;

    // The process id written in the lock file, 0 when there is none.
    static qint64 LockHolder() {
        QFile lock(platform::PrevInstanceLockPath());
        if (!lock.open(QIODevice::ReadOnly)) {
            return 0;
        }
        return lock.readLine().trimmed().toLongLong();
    }

    // Starts the real program and waits until it holds the lock.
    void StartFirstCopy() {
        first.setProgram(QStringLiteral(KELVORA_BINARY));
        first.start();
        QVERIFY(first.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(LockHolder(), first.processId(), 20000);
    }

private slots:

    void cleanup() {
        if (first.state() != QProcess::NotRunning) {
            first.kill();
            first.waitForFinished();
        }
    }

    // The icon's pixels built into the program are the PNG pictures', size for size.
    void iconHasThePicturesPixels_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128}) {
            QTest::addRow("%d", size) << size;
        }
    }
    void iconHasThePicturesPixels() {
        QFETCH(int, size);
        const QString png = QFINDTESTDATA(QStringLiteral("../resources/kelvora-%1.png").arg(size));
        QVERIFY(!png.isEmpty());
        QCOMPARE(platform::ProgramIcon().pixmap(QSize(size, size), 1.0).toImage(),
                 QPixmap::fromImage(QImage(png)).toImage());
    }

    void secondCopyIsRefusedWithMessage() {
        StartFirstCopy();
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        bool programIcon = false;
        testsupport::Answer<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = int(box->buttons().size());
            // Shown before any other window, the box still carries the program icon.
            programIcon = box->windowIcon().availableSizes().contains(QSize(32, 32));
            box->button(QMessageBox::Ok)->click();
        });
        QVERIFY(RefuseSecondInstance());
        QCOMPARE(text, QStringLiteral("Application is already running"));
        QCOMPARE(title, QStringLiteral("Kelvora"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, 1);
        QVERIFY(programIcon);
        // The first copy is left running.
        QVERIFY(first.state() == QProcess::Running);
    }

    // A copy that has run for a long time still holds its lock: the lock's age alone never
    // makes it stale.
    void longRunningCopyStillRefuses() {
        StartFirstCopy();
        const QByteArray path = QFile::encodeName(platform::PrevInstanceLockPath());
        struct utimbuf old {};
        old.actime = old.modtime = time(nullptr) - 3600;
        QCOMPARE(utime(path.constData(), &old), 0);
        QVERIFY(platform::App_PrevInstance());
    }

    // Closing the main window ends the program through the exit routine, with status 0.
    void closingMainWindowEndsProgram() {
        QProcess probe;
        probe.start(QStringLiteral(CLOSE_PROBE), QStringList());
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        // The exit routine gave the lock back.
        QCOMPARE(LockHolder(), 0);
    }

    // After the first copy is killed outright, its lock is left behind but taken over.
    void killedCopyDoesNotBlock() {
        StartFirstCopy();
        QVERIFY(platform::App_PrevInstance());
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(platform::PrevInstanceLockPath()));
        QVERIFY(!platform::App_PrevInstance());
        // Once this copy holds the lock, asking again does not refuse itself.
        QVERIFY(!platform::App_PrevInstance());
    }
};

KELVORA_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
