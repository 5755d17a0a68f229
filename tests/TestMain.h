#pragma once

// What every test program does before its application object is made: call
// testsupport::InitMain() from the test class's static initMain(), which QTEST_MAIN runs first.
//
// The program then draws offscreen, whatever display the session has (the end-to-end scripts,
// which need X, start their own Xvfb), ignores the session's scaling and style settings, and
// points Kelvora's configuration, cache, data and runtime folders (the XDG variables) at a
// private temporary folder, so that a test run by hand never reads, writes or deletes the user's
// settings or takes the user's instance lock. Child processes the tests start (the real kelvora
// binary, probes) inherit all of it. QStandardPaths' test mode would not do: it still writes
// under the home folder, leaves the runtime folder alone and does not reach children.
#include <QDir>
#include <QFile>
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

inline void InitMain() {
    static const PrivateFolders folders;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* variable :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI",
          "QT_FONT_DPI", "QT_DEVICE_PIXEL_RATIO", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"}) {
        qunsetenv(variable);
    }
}

} // namespace testsupport
