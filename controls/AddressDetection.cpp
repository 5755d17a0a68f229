#include "controls/AddressDetection.h"

#include <QRegularExpression>

namespace controls {

namespace {

// Web addresses: a scheme of the web or "www." not glued to a word before it, then the
// characters an address may hold.
const QRegularExpression& AddressPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(
            R"((?<![A-Za-z0-9])((?:https?|ftp)://|mailto:|www\.)[A-Za-z0-9\-._~:/?#@!$&'()*+,;=%]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Length of a detected address without the punctuation that ends the sentence around it.
qsizetype TrimmedLength(QStringView address) {
    qsizetype length = address.size();
    while (length > 0) {
        const QChar last = address.at(length - 1);
        if (QStringView(u".,;:!?'").contains(last)) {
            --length;
        } else if (last == u')' &&
                   address.left(length).count(u')') > address.left(length).count(u'(')) {
            --length;
        } else {
            break;
        }
    }
    return length;
}

} // namespace

QList<TextRange> FindWebAddresses(const QString& text) {
    QList<TextRange> found;
    auto matches = AddressPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const qsizetype length = TrimmedLength(match.capturedView());
        // A letter or digit must follow the scheme or "www.".
        const qsizetype prefix = match.capturedLength(1);
        if (length <= prefix || !match.capturedView().at(prefix).isLetterOrNumber()) {
            continue;
        }
        const int start = static_cast<int>(match.capturedStart());
        found.append({start, start + static_cast<int>(length)});
    }
    return found;
}

} // namespace controls
