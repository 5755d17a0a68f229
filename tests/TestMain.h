#pragma once

// The main function of every test program. Before the application object is made, it points
// Kelvora's configuration, cache, data and runtime folders (the XDG variables) at a private
// temporary folder, so that a test run by hand never reads, writes or deletes the user's
// settings or takes the user's instance lock. Child processes the tests start (the real kelvora
// binary, probes) inherit the same folders. QStandardPaths' test mode would not do: it still
// writes under the home folder, leaves the runtime folder alone and does not reach children.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <utility>

namespace testsupport {

class PrivateFolders {
public:
    PrivateFolders() {
        // A test program started by another one (a probe) keeps its parent's folders.
        if (qEnvironmentVariableIsSet("KELVORA_TEST_FOLDERS")) {
            return;
        }
        if (!folder_.isValid()) {
            qFatal("No private folder for the test: %s", qPrintable(folder_.errorString()));
        }
        const QDir root(folder_.path());
        const std::pair<const char*, const char*> folders[] = {{"XDG_CONFIG_HOME", "config"},
                                                               {"XDG_CACHE_HOME", "cache"},
                                                               {"XDG_DATA_HOME", "data"},
                                                               {"XDG_STATE_HOME", "state"},
                                                               {"XDG_RUNTIME_DIR", "runtime"}};
        for (const auto& [variable, name] : folders) {
            root.mkpath(QLatin1String(name));
            qputenv(variable, QFile::encodeName(root.filePath(QLatin1String(name))));
        }
        // The runtime folder must be the user's alone, or Qt does not use it.
        QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        qputenv("KELVORA_TEST_FOLDERS", QFile::encodeName(folder_.path()));
    }

private:
    QTemporaryDir folder_;
};

} // namespace testsupport

// QTEST_MAIN with the private folders in place first.
#define KELVORA_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char* argv[]) {                                                             \
        const testsupport::PrivateFolders folders;                                                 \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
