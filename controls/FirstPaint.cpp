#include "controls/FirstPaint.h"

#include <QEvent>
#include <QWidget>

namespace controls {

namespace {

// Watches the window's paint events; the first one queues the work behind the repaint that
// delivers it, so the work runs once the frame has been flushed.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> work)
        : QObject(window), work_(std::move(work)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const std::function<void()> work = std::move(work_);
                    deleteLater();
                    work();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

} // namespace controls
