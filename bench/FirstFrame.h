#pragma once

// Ends the process once a window's first frame is on the display: first_frame_probe and
// first_frame_baseline share it, so both stop at the same point.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <xcb/xcb.h>

// Waits until the display server has handled every request sent so far, then ends the process
// without tearing the windows down (that is not part of the first frame). `last` runs just
// before, for what the program would do at any end (giving back a lock).
[[noreturn]] inline void ExitOnceDrawn(const std::function<void()>& last) {
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    if (last) {
        last();
    }
    std::_Exit(0);
}

// Ends the process once `window` has received its first paint event and the repaint that
// delivered it (the children's paint and the flush to the screen) has finished; fails after
// ten seconds without one.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget* window, std::function<void()> last = {})
        : window_(window), last_(std::move(last)) {
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
                qApp, [this] { ExitOnceDrawn(last_); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> last_;
};
