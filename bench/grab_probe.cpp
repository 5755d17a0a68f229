// Saves offscreen pictures of the main window, to compare the look before and after a change
// pixel for pixel: OUT_DIR/empty.png (as started) and OUT_DIR/cast.png (a chart cast with a
// fixed seed, its interpretation shown) and OUT_DIR/cast-end.png (the panel scrolled to the end).
#include "casting/CastingBoard.h"
#include "controls/FrameStyle.h"
#include "controls/RichTextBox.h"
#include "platform/Random.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    controls::UseProgramStyle();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    frmMain window;
    window.show();
    QApplication::processEvents();
    bool saved = window.grab().save(out.filePath(QStringLiteral("empty.png")));
    platform::Randomize(2024);
    for (int press = 1; press <= 13; ++press) {
        window.Frame3->cmdProceed->click();
        QApplication::processEvents();
    }
    saved = window.grab().save(out.filePath(QStringLiteral("cast.png"))) && saved;
    window.RTB->verticalScrollBar()->setValue(window.RTB->verticalScrollBar()->maximum());
    QApplication::processEvents();
    saved = window.grab().save(out.filePath(QStringLiteral("cast-end.png"))) && saved;
    if (!saved) {
        std::fputs("cannot save the pictures\n", stderr);
    }
    return saved ? 0 : 1;
}
