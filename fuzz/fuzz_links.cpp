// Fuzzes address detection: every range found lies inside the text, starts a web address
// ("http://", "https://", "ftp://", "mailto:" or "www.") that is not glued to a word before it,
// and the ranges come in order without overlapping.
#include "controls/AddressDetection.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const QString& text) {
    std::fprintf(stderr, "address detection: %s in \"%s\"\n", what, qPrintable(text));
    std::abort();
}

bool StartsWebAddress(QStringView address) {
    for (const char* prefix : {"http://", "https://", "ftp://", "mailto:", "www."}) {
        if (address.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    int previousEnd = 0;
    for (const controls::TextRange& range : controls::FindWebAddresses(text)) {
        if (range.start < previousEnd || range.end <= range.start || range.end > text.size()) {
            Fail("a range out of order or outside the text", text);
        }
        const QStringView address = QStringView(text).mid(range.start, range.end - range.start);
        if (!StartsWebAddress(address)) {
            Fail("a range that is no web address", text);
        }
        if (range.start > 0 && text.at(range.start - 1).isLetterOrNumber() &&
            text.at(range.start - 1).unicode() < 0x80) {
            Fail("an address glued to the word before it", text);
        }
        previousEnd = range.end;
    }
    return 0;
}
