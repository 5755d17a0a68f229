#include "platform/RichTextBox.h"

#include <QTextDocument>

namespace platform {

namespace {

// A selection's text as the Windows box gives it: paragraph and line breaks become CR LF.
QString WithCrLf(QString text) {
    const QString crLf = QStringLiteral("\r\n");
    text.replace(QChar::ParagraphSeparator, crLf);
    text.replace(QChar::LineSeparator, crLf);
    return text;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (!inserting_) {
            pending_ = QTextCharFormat();
        }
    });
}

void RichTextBox::SelText(const QString& text) {
    QTextCursor cursor = textCursor();
    QTextCharFormat format = cursor.charFormat();
    format.merge(pending_);
    inserting_ = true;
    cursor.insertText(text, format);
    setTextCursor(cursor);
    inserting_ = false;
}

QString RichTextBox::SelText() const {
    return WithCrLf(textCursor().selectedText());
}

void RichTextBox::ApplyToSelection(const QTextCharFormat& format) {
    pending_.merge(format);
    QTextCursor cursor = textCursor();
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
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

} // namespace platform
