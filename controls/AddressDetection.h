#pragma once

#include <QList>
#include <QString>

// What counts as a web address in a rich-text box: the http://, https://, ftp://, mailto: and
// www. forms, not glued to a word before them, with a letter or digit after the scheme, and
// without the punctuation that ends the sentence around them. No other scheme, so a click on a
// detected address can only ever open a web page.
namespace controls {

// A range of character positions, end exclusive.
struct TextRange {
    int start;
    int end;
};

// The web addresses in one paragraph of text, in order.
QList<TextRange> FindWebAddresses(const QString& text);

} // namespace controls
