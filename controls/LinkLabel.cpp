#include "controls/LinkLabel.h"

#include "controls/Look.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace controls {

namespace {

// Shows a link label to screen readers as a link named by its text, which their "press" action
// follows. The labels stay out of the Tab chain; the menus and buttons carry the keyboard.
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
