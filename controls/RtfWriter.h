#pragma once

#include <QByteArray>

class QTextDocument;

// Rich Text Format from a text document: a font table and a colour table, then every paragraph
// with the font face, size, bold, italic, underline and colour of each of its runs. The output is
// 7-bit: "\", "{" and "}" are escaped, and every character beyond ASCII is written as \uN
// followed by its Windows-1252 byte (or "?"), one \uN per UTF-16 unit, so characters beyond the
// BMP go as their surrogate pair.
namespace controls {

QByteArray RtfFromDocument(const QTextDocument& document);

} // namespace controls
