#pragma once

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

// A rich-text box in the manner of the Windows one: text goes in at the caret through SelText,
// with the bold, colour and size set beforehand; Text reads the whole content back as plain
// text with CR LF between lines.
namespace platform {

class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Inserts `text` at the caret, replacing the selection if there is one, and leaves the caret
    // behind the inserted text. CR LF (or a lone CR or LF) starts a new paragraph.
    void SelText(const QString& text);
    // The selected text, in the same form as Text.
    QString SelText() const;

    // Bold, colour and size of the selection and of the text inserted next.
    void SelBold(bool bold);
    void SelColor(const QColor& color);
    void SelFontSize(double points);

    // The whole content as plain text, lines joined by CR LF, exactly as it was inserted.
    QString Text() const;
    // Replaces the whole content; an empty string empties the box and drops all formatting.
    void SetText(const QString& text);

    // Length of the selection in characters; 0 when nothing is selected.
    int SelLength() const;

    // Groups many insertions into one undo step and one layout pass.
    class EditBlock {
    public:
        explicit EditBlock(RichTextBox& box) : cursor_(box.document()) { cursor_.beginEditBlock(); }
        ~EditBlock() { cursor_.endEditBlock(); }
        EditBlock(const EditBlock&) = delete;
        EditBlock& operator=(const EditBlock&) = delete;

    private:
        QTextCursor cursor_;
    };

private:
    void ApplyToSelection(const QTextCharFormat& format);

    // Formatting asked for since the caret last moved, applied to the next insertion.
    QTextCharFormat pending_;
    bool inserting_ = false;
};

} // namespace platform
