// The rich-text box's output: saving to a file and printing.
#include "controls/RichTextBox.h"
#include "controls/RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>

#include <memory>

namespace controls {

bool RichTextBox::SaveFile(const QString& path, QString* error) const {
    const QByteArray bytes = RtfFromDocument(*document());
    // Written beside the target and renamed over it only when complete, so a file that was
    // there before is replaced whole or left as it was (but see the fallback below).
    // Unbuffered, and written until every byte is down: a buffered QSaveFile can lose a short
    // write (a full disk) and still commit the cut file.
    QSaveFile file(path);
    // Where the folder refuses the file beside the target (a writable file in a read-only
    // folder), the target itself is written in place, as editors do; a cut write then leaves it
    // cut, which the caller is told of.
    file.setDirectWriteFallback(true);
    qint64 done = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        while (done < bytes.size()) {
            const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0) {
                break;
            }
            done += n;
        }
    }
    if (done == bytes.size() && file.commit()) {
        return true;
    }
    if (error != nullptr) {
        *error = file.errorString();
    }
    return false;
}

namespace {

// A copy of `document` laid out for the printer's page, without the page numbers that Qt adds to
// a document with no page size of its own. Blank paragraphs at its end are left out: after the
// last line they would only start a page of their own when that line ends a page.
std::unique_ptr<QTextDocument> Paged(const QTextDocument& document, QPrinter* printer) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    QTextCursor end(copy.get());
    end.movePosition(QTextCursor::End);
    QTextBlock last = end.block();
    while (last.previous().isValid() && last.text().trimmed().isEmpty()) {
        last = last.previous();
    }
    end.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    end.removeSelectedText();
    copy->documentLayout()->setPaintDevice(printer);
    copy->setPageSize(printer->pageRect(QPrinter::DevicePixel).size());
    return copy;
}

// Paints page `page` (from 1) of a document laid out by Paged.
void PaintPage(const QTextDocument& document, int page, QPainter& painter) {
    const QSizeF size = document.pageSize();
    const QRectF view(0, (page - 1) * size.height(), size.width(), size.height());
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

std::unique_ptr<QTextDocument> RichTextBox::Printed(QPrinter* printer) const {
    const QTextCursor cursor = textCursor();
    if (printer->printRange() != QPrinter::Selection || !cursor.hasSelection()) {
        return Paged(*document(), printer);
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    return Paged(selection, printer);
}

int RichTextBox::PageCount(QPrinter* printer) const {
    return Paged(*document(), printer)->pageCount();
}

bool RichTextBox::SelPrint(QPrinter* printer) const {
    if (printer == nullptr) {
        return false;
    }
    const std::unique_ptr<QTextDocument> printed = Printed(printer);
    const int count = printed->pageCount();
    const bool ranged = printer->printRange() == QPrinter::PageRange;
    const QPageRanges range = printer->pageRanges();
    // A range past the last page prints nothing at all, not even a blank sheet.
    if (ranged && (range.isEmpty() || range.lastPage() > count)) {
        return false;
    }
    QList<int> pages;
    for (int page = 1; page <= count; ++page) {
        if (!ranged || range.contains(page)) {
            pages.append(page);
        }
    }
    if (printer->pageOrder() == QPrinter::LastPageFirst) {
        std::reverse(pages.begin(), pages.end());
    }
    // Qt's own QTextDocument::print says nothing of a printer that failed; painting page by page
    // tells where it did: when the printer opens, at each new page and when it closes.
    QPainter painter;
    if (!painter.begin(printer)) {
        return false;
    }
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer->newPage()) {
            painter.end();
            return false;
        }
        PaintPage(*printed, pages[i], painter);
    }
    return painter.end() && printer->printerState() != QPrinter::Error;
}

} // namespace controls
