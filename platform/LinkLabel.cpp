#include "platform/LinkLabel.h"

#include "platform/Look.h"

#include <QMouseEvent>

namespace platform {

LinkLabel::LinkLabel(const QString& text, QWidget* parent, const QCursor& cursor)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(cursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void PlaceLabel(QLabel* label, const char* name, const QFont& font, const QColor& color,
                Qt::Alignment alignment, const QRect& geometry) {
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    SetForeColor(label, color);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
}

} // namespace platform
