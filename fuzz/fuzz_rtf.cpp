// Fuzzes the RTF writer: random runs of text with random character formats go into a document,
// and what the writer makes of it must be 7-bit, keep its braces balanced, and give back the
// document's text through an RTF reader of our own.
#include "controls/RtfWriter.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "RTF writer: %s\n", what);
    std::abort();
}

// The document's text as RTF carries it: paragraphs joined by LF.
QString DocumentText(const QTextDocument& document) {
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            text += u'\n';
        }
        text += block.text();
    }
    return text;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A small RTF reader: the text of the body, with \par as LF, \line as U+2028, \tab as a tab,
// \uN as its UTF-16 unit (its one-byte fallback skipped), and the font and colour tables left
// out. Fails on unbalanced braces.
QString ReadRtfText(const QByteArray& rtf) {
    QString text;
    int depth = 0;
    int skipDepth = 0; // inside a table group while > 0: the depth at which it started
    qsizetype i = 0;
    const auto put = [&](QChar c) {
        if (skipDepth == 0 && depth >= 1) {
            text += c;
        }
    };
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            ++i;
        } else if (c == '}') {
            if (depth == skipDepth) {
                skipDepth = 0;
            }
            if (--depth < 0) {
                Fail("a closing brace without its opening one");
            }
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            put(QChar(static_cast<char16_t>(static_cast<unsigned char>(c))));
            ++i;
        } else if (i + 1 < rtf.size() && !IsLetter(rtf[i + 1])) {
            const char symbol = rtf[i + 1];
            if (symbol == '\'') {
                put(QChar(static_cast<char16_t>(rtf.mid(i + 2, 2).toUInt(nullptr, 16))));
                i += 4;
            } else {
                put(QChar(static_cast<char16_t>(static_cast<unsigned char>(symbol))));
                i += 2;
            }
        } else {
            qsizetype end = i + 1;
            while (end < rtf.size() && IsLetter(rtf[end])) {
                ++end;
            }
            const QByteArray word = rtf.mid(i + 1, end - i - 1);
            qsizetype numberEnd = end;
            if (numberEnd < rtf.size() && rtf[numberEnd] == '-') {
                ++numberEnd;
            }
            while (numberEnd < rtf.size() && rtf[numberEnd] >= '0' && rtf[numberEnd] <= '9') {
                ++numberEnd;
            }
            const int number = rtf.mid(end, numberEnd - end).toInt();
            i = numberEnd < rtf.size() && rtf[numberEnd] == ' ' ? numberEnd + 1 : numberEnd;
            if (word == "fonttbl" || word == "colortbl") {
                skipDepth = depth;
            } else if (word == "par") {
                put(u'\n');
            } else if (word == "line") {
                put(QChar::LineSeparator);
            } else if (word == "tab") {
                put(u'\t');
            } else if (word == "u") {
                put(QChar(static_cast<char16_t>(number)));
                // The fallback: one \'hh, or one character.
                i += i < rtf.size() && rtf[i] == '\\' ? 4 : 1;
            }
        }
    }
    if (depth != 0) {
        Fail("braces left open");
    }
    return text;
}

QString RandomText(FuzzedDataProvider& data, std::size_t maxUnits) {
    QString text;
    const std::size_t units = data.ConsumeIntegralInRange<std::size_t>(0, maxUnits);
    for (std::size_t n = 0; n < units && data.remaining_bytes() > 0; ++n) {
        // Mostly ASCII, so that RTF's own characters come up often.
        const auto unit = data.ConsumeBool() ? data.ConsumeIntegralInRange<char16_t>(0, 127)
                                             : data.ConsumeIntegral<char16_t>();
        text += QChar(unit);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    QTextDocument document;
    QTextCursor cursor(&document);
    while (data.remaining_bytes() > 0) {
        const auto flags = data.ConsumeIntegral<std::uint8_t>();
        QTextCharFormat format;
        format.setFontWeight(flags & 1 ? QFont::Bold : QFont::Normal);
        format.setFontItalic(flags & 2);
        format.setFontUnderline(flags & 4);
        if (flags & 8) {
            format.setForeground(QColor::fromRgb(data.ConsumeIntegral<std::uint32_t>()));
        }
        if (flags & 16) {
            format.setFontPointSize(data.ConsumeIntegralInRange(1, 400) / 4.0);
        }
        if (flags & 32) {
            format.setFontFamilies({RandomText(data, 12)});
        }
        cursor.insertText(RandomText(data, 80), format);
    }
    const QByteArray rtf = controls::RtfFromDocument(document);
    for (const char c : rtf) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            Fail("a byte beyond 7 bits");
        }
    }
    if (ReadRtfText(rtf) != DocumentText(document)) {
        Fail("the text read back differs from the document's");
    }
    return 0;
}
