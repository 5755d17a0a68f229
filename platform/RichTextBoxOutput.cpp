// The rich-text box's output: saving to a file and printing.
#include "platform/RichTextBox.h"
#include "platform/RtfWriter.h"

#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace platform {

bool RichTextBox::SaveFile(const QString& path, int format, QString* error) const {
    const QByteArray bytes =
        format == rtfText ? Text().toLocal8Bit() : RtfFromDocument(*document());
    // Written beside the target and renamed over it only when complete, so a file that was
    // there before is replaced whole or left as it was.
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error != nullptr) {
        *error = file.errorString();
    }
    return written;
}

bool RichTextBox::SelPrint(QPrinter* printer) const {
    if (printer == nullptr) {
        return false;
    }
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        document()->print(printer);
    } else {
        QTextDocument selection;
        selection.setDefaultFont(document()->defaultFont());
        QTextCursor(&selection).insertFragment(cursor.selection());
        selection.print(printer);
    }
    return printer->printerState() != QPrinter::Error;
}

} // namespace platform
