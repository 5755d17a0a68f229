// Memory over many castings: resident and heap memory of the shown main window before and after
// 1,000 whole castings (thirteen presses and the reset, painted after each press), beside a bare
// QTextEdit that is given the same interpretation text by setPlainText and emptied as often.
#include "casting/CastingBoard.h"
#include "controls/FrameStyle.h"
#include "controls/RichTextBox.h"
#include "platform/Random.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTextEdit>

#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {

struct Usage {
    double rssKb = 0;
    double heapKb = 0;
};

Usage Now() {
    Usage usage;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) {
                usage.rssKb = line.mid(6).trimmed().split(' ').first().toDouble();
            }
        }
    }
    malloc_trim(0);
    usage.heapKb = static_cast<double>(mallinfo2().uordblks) / 1024.0;
    return usage;
}

// Runs `cycle` `warmUp` times untimed, then `count` times, and prints the growth in between.
Usage Growth(const char* name, int warmUp, int count, const std::function<void()>& cycle) {
    for (int i = 0; i < warmUp; ++i) {
        cycle();
    }
    const Usage before = Now();
    for (int i = 0; i < count; ++i) {
        cycle();
    }
    const Usage after = Now();
    const Usage growth{after.rssKb - before.rssKb, after.heapKb - before.heapKb};
    std::printf("%-10s RSS %8.0f -> %8.0f KB (%+6.0f KB)   heap in use %8.0f -> %8.0f KB\n", name,
                before.rssKb, after.rssKb, growth.rssKb, before.heapKb, after.heapKb);
    return growth;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    controls::UseProgramStyle();
    const int castings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    frmMain window;
    window.show();
    platform::Randomize(2024);
    QPushButton* cmdProceed = window.Frame3->cmdProceed;
    const auto casting = [&] {
        for (int press = 1; press <= 14; ++press) {
            cmdProceed->click();
            QApplication::processEvents();
        }
    };
    for (int press = 1; press <= 13; ++press) {
        cmdProceed->click();
    }
    const QString text = window.RTB->toPlainText();
    cmdProceed->click();

    QTextEdit bare;
    bare.setGeometry(window.RTB->geometry());
    bare.show();
    const auto plain = [&] {
        bare.setPlainText(text);
        QApplication::processEvents();
        bare.clear();
        QApplication::processEvents();
    };

    std::printf("%d castings, after 50 to warm up\n", castings);
    const Usage k = Growth("kelvora", 50, castings, casting);
    const Usage b = Growth("setPlain", 50, castings, plain);
    std::printf("growth over the bare box: RSS %+.0f KB, heap %+.0f KB (limit 1024 KB)\n",
                k.rssKb - b.rssKb, k.heapKb - b.heapKb);
    return 0;
}
