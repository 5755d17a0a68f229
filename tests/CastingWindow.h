#pragma once

// The main window at the start of a casting, for the tests of the casting board, of what screen
// readers and keyboard users meet, and of the interpretation press.
#include "casting/CastingBoard.h"
#include "casting/Chart.h"
#include "controls/PictureBox.h"
#include "controls/RichTextBox.h"
#include "shell/frmMain.h"

#include <QPushButton>
#include <QtTest>

namespace testsupport {

class CastingWindow {
public:
    CastingWindow() {
        ClearCells();
        intPressCount = 0;
        window.show();
        window.activateWindow();
    }
    bool Active() { return QTest::qWaitForWindowActive(&window); }
    // Presses the casting button `times` times with the mouse.
    void Press(int times = 1) {
        for (int n = 0; n < times; ++n) {
            QTest::mouseClick(cmdProceed, Qt::LeftButton);
        }
    }
    controls::PictureBox* Dot(int c) const {
        return window.findChild<controls::PictureBox*>(QStringLiteral("picCircle%1").arg(c));
    }

    frmMain window;
    QPushButton* const cmdProceed = window.Frame3->cmdProceed;
    QPushButton* const Command1 = window.Frame3->Command1;
    controls::RichTextBox* const RTB = window.RTB;
};

} // namespace testsupport
