#include "controls/RichTextBox.h"
#include "controls/AddressDetection.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace controls {

namespace {

// A selection's text with CR LF for every paragraph and line break, as Text gives the whole.
QString WithCrLf(QString text) {
    const QString crLf = QStringLiteral("\r\n");
    text.replace(QChar::ParagraphSeparator, crLf);
    text.replace(QChar::LineSeparator, crLf);
    return text;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    viewport()->setMouseTracking(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int charsRemoved, int charsAdded) {
                if (detectUrls_) {
                    DetectLinks(position, charsRemoved, charsAdded);
                }
            });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (!inserting_) {
            pending_ = QTextCharFormat();
        }
    });
}

RichTextBox::~RichTextBox() {
    // The document goes after the box and reports its last changes to nobody.
    disconnect(document(), nullptr, this, nullptr);
}

QTextCursor RichTextBox::Caret() const {
    return batches_ > 0 ? batch_ : textCursor();
}

void RichTextBox::BeginBatch() {
    if (batches_++ == 0) {
        batch_ = textCursor();
        batch_.beginEditBlock();
    }
}

void RichTextBox::EndBatch() {
    if (--batches_ == 0) {
        inserting_ = true;
        batch_.endEditBlock();
        inserting_ = false;
        if (textCursor().position() != batch_.position()) {
            setTextCursor(batch_);
        }
        batch_ = QTextCursor();
    }
}

void RichTextBox::SelText(const QString& text) {
    if (batches_ > 0) {
        QTextCharFormat format = batch_.charFormat();
        format.merge(pending_);
        inserting_ = true;
        batch_.insertText(text, format);
        inserting_ = false;
        return;
    }
    QTextCursor cursor = textCursor();
    QTextCharFormat format = cursor.charFormat();
    format.merge(pending_);
    inserting_ = true;
    cursor.insertText(text, format);
    // The box's own caret moves along with text inserted where it stands; it needs setting only
    // when a selection was replaced, which is far the rarer case (and setting it costs a relayout).
    if (textCursor().position() != cursor.position()) {
        setTextCursor(cursor);
    }
    inserting_ = false;
}

QString RichTextBox::SelText() const {
    return WithCrLf(Caret().selectedText());
}

void RichTextBox::ApplyToSelection(const QTextCharFormat& format) {
    pending_.merge(format);
    QTextCursor cursor = Caret();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
    }
}

void RichTextBox::SelBold(bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    ApplyToSelection(format);
}

void RichTextBox::SelColor(const QColor& color) {
    QTextCharFormat format;
    format.setForeground(color);
    ApplyToSelection(format);
}

void RichTextBox::SelFontSize(double points) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    ApplyToSelection(format);
}

QString RichTextBox::Text() const {
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    return WithCrLf(all.selectedText());
}

void RichTextBox::SetText(const QString& text) {
    inserting_ = true;
    clear();
    setCurrentCharFormat(QTextCharFormat());
    inserting_ = false;
    pending_ = QTextCharFormat();
    if (!text.isEmpty()) {
        SelText(text);
    }
}

int RichTextBox::SelLength() const {
    const QTextCursor cursor = Caret();
    return cursor.selectionEnd() - cursor.selectionStart();
}

// ---- Web addresses ----

namespace {

// The mouse pointer over the box's text, as QTextEdit shows it.
Qt::CursorShape TextCursorShape(Qt::TextInteractionFlags flags) {
    return flags & (Qt::TextEditable | Qt::TextSelectableByMouse) ? Qt::IBeamCursor
                                                                  : Qt::ArrowCursor;
}

} // namespace

QString RichTextBox::TextInRange(int start, int end) const {
    const int length = document()->characterCount() - 1;
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(start, 0, length));
    cursor.setPosition(std::clamp(end, cursor.position(), length), QTextCursor::KeepAnchor);
    return WithCrLf(cursor.selectedText());
}

void RichTextBox::SetUrlDetection(bool on) {
    if (on == detectUrls_) {
        return;
    }
    detectUrls_ = on;
    links_.clear();
    if (on) {
        DetectLinks(0, 0, document()->characterCount());
    } else {
        ShowLinks();
        viewport()->setCursor(TextCursorShape(textInteractionFlags()));
    }
}

// Called when the text from `position` on changed: the addresses behind it move along, and those
// of the changed paragraphs are detected again. The document may be in the middle of an edit, so
// no text cursor is made or dropped here; the look follows once the edit is over.
void RichTextBox::DetectLinks(int position, int charsRemoved, int charsAdded) {
    const int shift = charsAdded - charsRemoved;
    QList<LinkRange> kept;
    kept.reserve(links_.size());
    for (const LinkRange& link : std::as_const(links_)) {
        if (link.end < position) {
            kept.append(link);
        } else if (link.start > position + charsRemoved) {
            kept.append({link.start + shift, link.end + shift});
        }
    }
    links_.swap(kept);

    QTextDocument* doc = document();
    QTextBlock block = doc->findBlock(position);
    QTextBlock last = doc->findBlock(position + charsAdded);
    if (!last.isValid()) {
        last = doc->lastBlock();
    }
    const int start = block.isValid() ? block.position() : 0;
    const int end = last.position() + last.length() - 1;
    links_.removeIf(
        [start, end](const LinkRange& link) { return link.start <= end && link.end >= start; });

    for (; block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (const TextRange& address : FindWebAddresses(text)) {
            links_.append({block.position() + address.start, block.position() + address.end});
        }
        if (block == last) {
            break;
        }
    }
    std::sort(links_.begin(), links_.end(),
              [](const LinkRange& a, const LinkRange& b) { return a.start < b.start; });

    if (!showPending_) {
        showPending_ = true;
        QMetaObject::invokeMethod(this, &RichTextBox::ShowLinks, Qt::QueuedConnection);
    }
}

void RichTextBox::ShowLinks() {
    showPending_ = false;
    QTextCharFormat look;
    look.setFontUnderline(true);
    look.setForeground(palette().link());
    QList<QTextEdit::ExtraSelection> shown;
    const int length = document()->characterCount() - 1;
    for (const LinkRange& link : std::as_const(links_)) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(document());
        selection.cursor.setPosition(std::min(link.start, length));
        selection.cursor.setPosition(std::min(link.end, length), QTextCursor::KeepAnchor);
        selection.format = look;
        shown.append(selection);
    }
    setExtraSelections(shown);
}

const RichTextBox::LinkRange* RichTextBox::LinkAt(const QPoint& viewportPos) const {
    if (links_.isEmpty()) {
        return nullptr;
    }
    const QPointF docPos(viewportPos.x() + horizontalScrollBar()->value(),
                         viewportPos.y() + verticalScrollBar()->value());
    const int hit = document()->documentLayout()->hitTest(docPos, Qt::ExactHit);
    if (hit < 0) {
        return nullptr;
    }
    // The hit is the character boundary nearest the point: at a link's first or last boundary
    // the point may lie on the character outside it.
    const auto leftOf = [this](int position) {
        QTextCursor at(document());
        at.setPosition(std::min(position, document()->characterCount() - 1));
        return cursorRect(at).left();
    };
    for (const LinkRange& link : links_) {
        if (hit < link.start || hit > link.end ||
            (hit == link.start && viewportPos.x() < leftOf(link.start)) ||
            (hit == link.end && viewportPos.x() >= leftOf(link.end))) {
            continue;
        }
        return &link;
    }
    return nullptr;
}

// Sends a LinkEvent to the window the box reports links to when the mouse is over an address.
// True when the mouse event is not the box's any more: the box went away while that window
// handled the report.
bool RichTextBox::ReportLink(LinkEvent::Action action, const QMouseEvent* event) {
    if (!detectUrls_ || linkReceiver_.isNull()) {
        return false;
    }
    if (action != LinkEvent::Move && event->button() != Qt::LeftButton &&
        event->button() != Qt::RightButton) {
        return false;
    }
    const LinkRange* link = LinkAt(event->position().toPoint());
    if (link == nullptr) {
        return false;
    }
    LinkEvent report(this, action, event->button(), link->start, link->end);
    const QPointer<RichTextBox> self(this);
    try {
        QCoreApplication::sendEvent(linkReceiver_, &report);
    } catch (...) {
        // A failure in the window's handling stays there; the box carries on.
    }
    return self.isNull();
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    if (detectUrls_) {
        const bool overLink = LinkAt(event->position().toPoint()) != nullptr;
        viewport()->setCursor(overLink ? Qt::PointingHandCursor
                                       : TextCursorShape(textInteractionFlags()));
        if (ReportLink(LinkEvent::Move, event)) {
            return;
        }
    }
    QTextEdit::mouseMoveEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    if (!ReportLink(LinkEvent::Press, event)) {
        QTextEdit::mousePressEvent(event);
    }
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!ReportLink(LinkEvent::Release, event)) {
        QTextEdit::mouseReleaseEvent(event);
    }
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!ReportLink(LinkEvent::DoubleClick, event)) {
        QTextEdit::mouseDoubleClickEvent(event);
    }
}

} // namespace controls
