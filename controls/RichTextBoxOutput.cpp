// The rich-text box's output: saving to a file and printing.
#include "controls/RichTextBox.h"
#include "controls/RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentFragment>

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

// Prints a document laid out for the printer's page, without the page numbers that Qt adds to a
// document with no page size of its own.
void Print(const QTextDocument& document, QPrinter* printer) {
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(printer);
    copy->setPageSize(printer->pageRect(QPrinter::DevicePixel).size());
    copy->print(printer);
}

} // namespace

bool RichTextBox::SelPrint(QPrinter* printer) const {
    if (printer == nullptr) {
        return false;
    }
    const QTextCursor cursor = textCursor();
    if (printer->printRange() != QPrinter::Selection || !cursor.hasSelection()) {
        Print(*document(), printer);
    } else {
        QTextDocument selection;
        selection.setDefaultFont(document()->defaultFont());
        QTextCursor(&selection).insertFragment(cursor.selection());
        Print(selection, printer);
    }
    return printer->printerState() != QPrinter::Error;
}

} // namespace controls
