#include "controls/LinkLabel.h"

#include "controls/Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace controls {

namespace {

// Shows a link label to screen readers as a link named by its text, which their "press" action
// follows.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? Label()->text() : own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit Label()->clicked();
        }
    }

private:
    LinkLabel* Label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* LinkLabelAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinkLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::TabFocus);
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

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (!press || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down opens the page once.
    if (!event->isAutoRepeat()) {
        emit clicked();
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // Around the lines QLabel drew the text on, within the label: a dotted frame in the text's
    // colour shows on any ground, where the style's focus frame is faint on the dark grey.
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                      (wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect text = fontMetrics().boundingRect(contentsRect(), flags, this->text());
    const QRect frame = text.adjusted(-2, -1, 1, -1) & rect().adjusted(0, 0, -1, -1);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(frame);
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

LinkLabel* NewLinkLabel(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry, const LinkLook& look,
                        const std::function<void()>& onClick) {
    auto* label = new LinkLabel(text, parent);
    label->setCursor(look.cursor);
    PlaceLabel(label, name, look.font, look.color, look.alignment, geometry);
    label->setWordWrap(look.wordWrap);
    QObject::connect(label, &LinkLabel::clicked, label, onClick);
    return label;
}

} // namespace controls
