// The single-instance guard: only a live copy's lock refuses a start, with its message; a lock
// whose copy is gone, or that cannot be taken for any other reason, lets the program start. And
// the platform Qt is asked for, from the command line and the session.
#include "platform/InstanceLock.h"
#include "shell/CommandLine.h"
#include "shell/Startup.h"
#include "tests/ModalAnswer.h"
#include "tests/TestMain.h"

#include <QFile>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <pwd.h>
#include <unistd.h>
#include <utility>
#include <utime.h>
#include <vector>

class TestStartup : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private:
    QProcess first;
    // The variables the tests change, as the program was started with them (null for unset).
    const std::pair<const char*, QByteArray> session[5] = {
        {"XDG_RUNTIME_DIR", qgetenv("XDG_RUNTIME_DIR")},
        {"TMPDIR", qgetenv("TMPDIR")},
        {"WAYLAND_DISPLAY", qgetenv("WAYLAND_DISPLAY")},
        {"DISPLAY", qgetenv("DISPLAY")},
        {"QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM")}};

    // The process id written in the lock file, 0 when there is none.
    static qint64 LockHolder(const QString& path) {
        QFile lock(path);
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    }

private slots:
    void cleanup() {
        platform::ReleasePrevInstanceLock();
        if (first.state() != QProcess::NotRunning) {
            first.kill();
            first.waitForFinished();
        }
        for (const auto& [name, value] : session) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        }
    }

    void lock_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("takenOver"); // afterwards the lock names this process
        QTest::newRow("a live copy holds it") << "live" << true << false;
        QTest::newRow("a copy up for an hour holds it") << "old" << true << false;
        QTest::newRow("no runtime folder: a live copy's lock in the cache folder")
            << "cache" << true << false;
        QTest::newRow("its copy was killed") << "killed" << false << true;
        QTest::newRow("lock without a process id") << "garbage" << false << true;
        QTest::newRow("folder is a file") << "file" << false << false;
        QTest::newRow("lock path is a folder") << "folder" << false << false;
    }
    void lock() {
        QFETCH(QString, setup);
        QFETCH(bool, refused);
        QFETCH(bool, takenOver);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("kelvora.lock"));
        const bool copy =
            setup == "live" || setup == "old" || setup == "cache" || setup == "killed";
        if (setup == "cache") {
            // Neither the runtime folder named nor the one Qt falls back to can be used.
            QFile(dir.filePath(QStringLiteral("none"))).open(QIODevice::WriteOnly);
            QFile(dir.filePath(QStringLiteral("runtime-") +
                               QString::fromLocal8Bit(getpwuid(geteuid())->pw_name)))
                .open(QIODevice::WriteOnly);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.filePath(QStringLiteral("none"))));
            qputenv("TMPDIR", QFile::encodeName(dir.path()));
            QVERIFY(platform::PrevInstanceLockPath().startsWith(
                qEnvironmentVariable("XDG_CACHE_HOME") + '/'));
        }
        if (copy) {
            path = platform::PrevInstanceLockPath();
            first.setProgram(QStringLiteral(KELVORA_BINARY));
            first.start();
            QVERIFY(first.waitForStarted());
            QTRY_COMPARE_WITH_TIMEOUT(LockHolder(path), first.processId(), 20000);
        }
        if (setup == "old") {
            // The lock's age alone never makes it stale.
            struct utimbuf old {};
            old.actime = old.modtime = time(nullptr) - 3600;
            QCOMPARE(utime(QFile::encodeName(path).constData(), &old), 0);
        } else if (setup == "killed") {
            ::kill(pid_t(first.processId()), SIGKILL);
            QVERIFY(first.waitForFinished());
            QVERIFY(QFile::exists(path)); // left behind
        } else if (setup == "garbage") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a process\n") > 0);
        } else if (setup == "file") {
            QFile file(dir.filePath(QStringLiteral("plain")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            path = file.fileName() + QStringLiteral("/kelvora.lock");
        } else if (setup == "folder") {
            QVERIFY(QDir().mkdir(path));
        }

        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        bool programIcon = false;
        if (copy) {
            testsupport::Answer<QMessageBox>([&](QMessageBox* box) {
                text = box->text();
                title = box->windowTitle();
                icon = box->icon();
                buttons = int(box->buttons().size());
                // Shown before any other window, the box still carries the program icon.
                programIcon = box->windowIcon().availableSizes().contains(QSize(32, 32));
                box->button(QMessageBox::Ok)->click();
            });
        }
        QCOMPARE(copy ? RefuseSecondInstance() : platform::App_PrevInstance(path), refused);
        if (refused) {
            QCOMPARE(text, QStringLiteral("Application is already running"));
            QCOMPARE(title, QStringLiteral("Kelvora"));
            QCOMPARE(icon, QMessageBox::Information);
            QCOMPARE(buttons, 1);
            QVERIFY(programIcon);
            QCOMPARE(first.state(), QProcess::Running); // the first copy is left running
        } else {
            QVERIFY(text.isEmpty());
            // Once this copy has started, asking again does not refuse it.
            QVERIFY(!platform::App_PrevInstance(path));
        }
        qint64 pid = 0;
        QCOMPARE(QLockFile(path).getLockInfo(&pid, nullptr, nullptr) &&
                     pid == QCoreApplication::applicationPid(),
                 takenOver);
    }

    // On a Wayland desktop that runs XWayland, X11 first and Wayland where the X server is gone;
    // a platform chosen by the user, or a session without both, is left to Qt.
    void platformChoice_data() {
        QTest::addColumn<QString>("arguments");  // after the program's name
        QTest::addColumn<QByteArray>("wayland"); // WAYLAND_DISPLAY, null for unset
        QTest::addColumn<QByteArray>("display"); // DISPLAY
        QTest::addColumn<QByteArray>("chosen");  // QT_QPA_PLATFORM
        QTest::addColumn<QString>("forQt");
        const QByteArray unset, empty(""), x11(":0"), wl("wayland-0");
        const QString none, both = "kelvora -platform xcb;wayland";
        QTest::newRow("X11") << none << unset << x11 << unset << "kelvora";
        QTest::newRow("Wayland with XWayland") << none << wl << x11 << unset << both;
        QTest::newRow("Wayland without XWayland") << none << wl << unset << unset << "kelvora";
        QTest::newRow("Wayland, DISPLAY empty") << none << wl << empty << unset << "kelvora";
        QTest::newRow("WAYLAND_DISPLAY empty") << none << empty << x11 << unset << "kelvora";
        QTest::newRow("QT_QPA_PLATFORM chosen")
            << none << wl << x11 << QByteArray("wayland") << "kelvora";
        QTest::newRow("-platform chosen")
            << "-platform offscreen" << wl << x11 << unset << "kelvora -platform offscreen";
        QTest::newRow("--platform= chosen")
            << "--platform=wayland" << wl << x11 << unset << "kelvora --platform=wayland";
        QTest::newRow("other Qt options kept") << "-style fusion" << wl << x11 << unset
                                               << "kelvora -style fusion -platform xcb;wayland";
        QTest::newRow("no display at all") << none << unset << unset << unset << "kelvora";
    }
    void platformChoice() {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        QFETCH(QString, forQt);
        for (const auto& [name, value] :
             {std::pair{"WAYLAND_DISPLAY", wayland}, std::pair{"DISPLAY", display},
              std::pair{"QT_QPA_PLATFORM", chosen}}) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        }
        QByteArrayList words = ("kelvora " + arguments).trimmed().toUtf8().split(' ');
        std::vector<char*> argv;
        for (QByteArray& word : words) {
            argv.push_back(word.data());
        }
        const std::vector<char*> given = HandleCommandLine(int(argv.size()), argv.data());
        QCOMPARE(given.back(), nullptr);
        QCOMPARE(QByteArrayList(given.begin(), given.end() - 1).join(' '), forQt.toUtf8());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
