#include "controls/Look.h"

#include "controls/Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace controls {

namespace {

// The faces to ask for, looked up once: Verdana, else DejaVu Sans. Naming only a face the machine
// has spares fontconfig a search for a substitute each time a new size or weight is resolved.
const QStringList& Faces() {
    static const QStringList faces = [] {
        // One list of the installed families for both names: each hasFamily() would run the
        // name through fontconfig's substitution rules and list the families again.
        const QStringList installed = QFontDatabase::families();
        for (const QString& face : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(face, Qt::CaseInsensitive)) {
                return QStringList{face};
            }
        }
        return QStringList{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    }();
    return faces;
}

} // namespace

QFont Verdana(double pointSize, bool bold, bool italic, bool underline) {
    QFont font;
    font.setFamilies(Faces());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

void SetBackColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetForeColor(QWidget* widget, const QColor& color) {
    // Active and inactive only: a disabled control keeps the style's greyed text.
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, color);
        palette.setColor(group, QPalette::Text, color);
        palette.setColor(group, QPalette::ButtonText, color);
    }
    widget->setPalette(palette);
}

} // namespace controls

namespace controls {

void FixedSingleBorder(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
}

void SetUpForm(QWidget* form, const char* name, const QString& caption, int widthTwips,
               int heightTwips) {
    form->setObjectName(QLatin1String(name));
    form->setWindowTitle(caption);
    FixedSingleBorder(form);
    form->setFixedSize(Twips(widthTwips), Twips(heightTwips));
    SetBackColor(form, DarkGrey);
    form->setFont(Verdana(8.25));
}

QPushButton* GreyButton(QWidget* parent, const char* name, const QString& caption,
                        const QFont& font, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setGeometry(geometry);
    SetBackColor(button, LightGrey);
    SetForeColor(button, Qt::black);
    button->setAutoFillBackground(false);
    return button;
}

namespace {

// The frame a window manager has put around `window`; none before it has framed the window.
QMargins FrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The frame of another shown window of the program: the window manager gives every window the
// same fixed single border, so that is the frame a window about to be shown will get.
QMargins ExpectedFrameMargins(const QWidget* window) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* other : windows) {
        if (other != window && other->isVisible() && !FrameMargins(other).isNull()) {
            return FrameMargins(other);
        }
    }
    return {};
}

// Centres a window again once the window manager has framed it, as the frame it gets may not be
// the one expected (for the first window there is none to expect).
class CenterWhenFramed : public QObject {
public:
    explicit CenterWhenFramed(QWidget* window) : QObject(window) { setObjectName(Name); }
    static constexpr QLatin1StringView Name{"CenterWhenFramed"};

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Move && !FrameMargins(window).isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            CenterOnScreen(window);
        }
        return false;
    }
};

} // namespace

bool PressFocusedButton(QWidget* window, const QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (button == nullptr || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

void TabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void CenterOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QMargins frame = FrameMargins(window);
    if (frame.isNull()) {
        frame = ExpectedFrameMargins(window);
        if (!window->findChild<QObject*>(CenterWhenFramed::Name, Qt::FindDirectChildrenOnly)) {
            window->installEventFilter(new CenterWhenFramed(window));
        }
    }
    // move() places a window's frame, which is the client itself while there is none.
    QRect placed = QRect(QPoint(), window->size()).marginsAdded(frame);
    placed.moveCenter(screen->availableGeometry().center());
    window->move(placed.topLeft());
}

} // namespace controls
