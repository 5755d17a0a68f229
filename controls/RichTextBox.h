#pragma once

#include "controls/LinkEvent.h"

#include <QPointer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <memory>

class QPrinter;

// A rich-text box written at its caret: text goes in through SelText, with the bold, colour and
// size set beforehand; Text reads the whole content back as plain text with CR LF between lines.
namespace controls {

class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

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

    // Writes the whole content, selection or not, to `path` as Rich Text Format: beside the file
    // and renamed over it once complete, so a failed write leaves the old file as it was; where
    // the folder takes no new file (a writable file in a read-only folder), into the file itself,
    // which a failed write leaves cut. Returns false and says why in `error` when the file could
    // not be written.
    bool SaveFile(const QString& path, QString* error = nullptr) const;
    // Prints the selection when the printer's range is Selection, as Qt's print dialog leaves it
    // when the user chose Selection, and something is selected; otherwise the whole content, or
    // exactly the pages of it that the printer's page range names. Blank lines at the end of what
    // is printed take no page of their own. Returns false, having printed nothing, for a null
    // printer (no printer was chosen) or a range that reaches past the last page; and false for
    // a printer that could not be opened or failed while printing.
    bool SelPrint(QPrinter* printer) const;
    // How many pages the whole content takes on `printer`'s paper, as SelPrint prints it.
    int PageCount(QPrinter* printer) const;

    // Detection of web addresses (http://, https://, ftp://, mailto: and www. forms, no other
    // scheme): while on, they are underlined and show a pointing hand.
    void SetUrlDetection(bool on);
    bool UrlDetection() const { return detectUrls_; }
    // While set, together with detection, what the mouse does over an address (moves, presses,
    // releases and double clicks of the left and right buttons) is sent to `receiver` as a
    // LinkEvent, before the box handles the mouse event itself. Null switches the reports off.
    void SetLinkReports(QWidget* receiver) { linkReceiver_ = receiver; }
    QWidget* LinkReports() const { return linkReceiver_; }
    // The text from character `start` up to `end`, kept within the text, lines joined by CR LF.
    QString TextInRange(int start, int end) const;

    // Groups many insertions into one undo step and one layout pass. Inside it, SelText writes
    // through a cursor of its own instead of the box's caret, so the box follows the caret once,
    // when the block ends, rather than after every insertion.
    class EditBlock {
    public:
        explicit EditBlock(RichTextBox& box) : box_(box) { box_.BeginBatch(); }
        ~EditBlock() { box_.EndBatch(); }
        EditBlock(const EditBlock&) = delete;
        EditBlock& operator=(const EditBlock&) = delete;

    private:
        RichTextBox& box_;
    };

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // What SelPrint prints, laid out for `printer`'s paper.
    std::unique_ptr<QTextDocument> Printed(QPrinter* printer) const;
    void ApplyToSelection(const QTextCharFormat& format);
    void BeginBatch();
    void EndBatch();
    // Where the next insertion goes: the batch cursor inside an EditBlock, else the box's caret.
    QTextCursor Caret() const;

    void DetectLinks(int position, int charsRemoved, int charsAdded);
    void ShowLinks();
    struct LinkRange {
        int start;
        int end;
    };
    const LinkRange* LinkAt(const QPoint& viewportPos) const;
    bool ReportLink(LinkEvent::Action action, const QMouseEvent* event);

    bool detectUrls_ = false;
    QPointer<QWidget> linkReceiver_;
    // The detected addresses in document order. They are shown as extra selections, so that
    // their look never enters the document, its plain text, its saved form or the text typed
    // next to them.
    QList<LinkRange> links_;
    bool showPending_ = false;

    // Formatting asked for since the caret last moved, applied to the next insertion.
    QTextCharFormat pending_;
    bool inserting_ = false;
    // The cursor SelText writes through inside an EditBlock; `batches_` counts nested blocks.
    QTextCursor batch_;
    int batches_ = 0;
};

} // namespace controls
