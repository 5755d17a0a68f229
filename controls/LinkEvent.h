#pragma once

#include <QEvent>

namespace controls {

class RichTextBox;

// What the mouse did over a detected web address in a RichTextBox: sent to the window the box
// reports links to. Carries the button and the address's character range.
class LinkEvent : public QEvent {
public:
    enum Action { Move, Press, Release, DoubleClick };

    LinkEvent(RichTextBox* box, Action action, Qt::MouseButton button, int start, int end)
        : QEvent(EventType()), box(box), action(action), button(button), start(start), end(end) {}

    // The event type, registered with Qt once.
    static QEvent::Type EventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    RichTextBox* const box;
    const Action action;
    const Qt::MouseButton button;
    // The address's characters: from `start` up to, not including, `end`.
    const int start;
    const int end;
};

} // namespace controls
