#pragma once

// Ends the process once a window's first frame is on the display: first_frame_probe and
// first_frame_baseline share it, so both stop at the same point.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <xcb/xcb.h>

// Waits until the display server has handled every request sent so far, then ends the process
// without tearing the windows down (that is not part of the first frame).
[[noreturn]] inline void ExitOnceDrawn() {
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    std::_Exit(0);
}

// Ends the process once `window` has received its first paint event and the repaint that
// delivered it (the children's paint and the flush to the screen) has finished; fails after
// ten seconds without one.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget* window) : window_(window) {
        qApp->installEventFilter(this);
        QTimer::singleShot(10000, [] {
            std::fputs("no frame drawn within 10 s\n", stderr);
            std::_Exit(1);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                qApp, [] { ExitOnceDrawn(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
};
