#include "controls/RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace controls {

namespace {

// The Windows-1252 byte of a character, or 0 when it has none.
char Cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        if (high[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return 0;
}

void AppendHexByte(QByteArray& out, unsigned char byte) {
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

void AppendText(QByteArray& out, QStringView text) {
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        switch (c) {
        case u'\\':
            out += "\\\\";
            continue;
        case u'{':
            out += "\\{";
            continue;
        case u'}':
            out += "\\}";
            continue;
        case u'\t':
            out += "\\tab ";
            continue;
        case QChar::LineSeparator:
            out += "\\line ";
            continue;
        default:
            break;
        }
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            continue;
        }
        // Control characters, DEL and everything beyond ASCII: the character's code, then the
        // byte that a reader without Unicode shows in its place.
        out += "\\u";
        out += QByteArray::number(static_cast<qint16>(c));
        const char byte = c >= 0x80 ? Cp1252Byte(c) : 0;
        AppendHexByte(out, byte != 0 ? static_cast<unsigned char>(byte) : '?');
    }
}

// The font and colour tables, filled as the runs ask for their entries.
struct Tables {
    QStringList fonts;
    QHash<QString, int> fontIndex;
    QList<QRgb> colors;
    QHash<QRgb, int> colorIndex;

    int Font(const QString& family) {
        const auto it = fontIndex.constFind(family);
        if (it != fontIndex.cend()) {
            return *it;
        }
        fonts.append(family);
        return fontIndex[family] = static_cast<int>(fonts.size() - 1);
    }
    // Colour 0 is the reader's automatic colour; the document's own colours start at 1.
    int Color(QRgb rgb) {
        const auto it = colorIndex.constFind(rgb);
        if (it != colorIndex.cend()) {
            return *it;
        }
        colors.append(rgb);
        return colorIndex[rgb] = static_cast<int>(colors.size());
    }
};

QString Family(const QFont& font) {
    const QStringList families = font.families();
    return families.isEmpty() ? font.family() : families.first();
}

// The control words of one run's character format.
void AppendFormat(QByteArray& out, const QTextCharFormat& format, const QFont& base,
                  Tables& tables) {
    const QFont font = format.font().resolve(base);
    out += "\\f";
    out += QByteArray::number(tables.Font(Family(font)));
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0) {
        points = font.pixelSize() * 72.0 / 96.0;
    }
    if (points > 0) {
        out += "\\fs";
        out += QByteArray::number(static_cast<int>(std::lround(points * 2)));
    }
    if (font.bold()) {
        out += "\\b";
    }
    if (font.italic()) {
        out += "\\i";
    }
    if (font.underline()) {
        out += "\\ul";
    }
    if (format.foreground().style() != Qt::NoBrush) {
        out += "\\cf";
        out += QByteArray::number(tables.Color(format.foreground().color().rgb()));
    }
    out += ' ';
}

} // namespace

QByteArray RtfFromDocument(const QTextDocument& document) {
    const QFont base = document.defaultFont();
    Tables tables;
    tables.Font(Family(base));

    QByteArray body;
    body.reserve(document.characterCount() + 64 * document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            body += "\\par\n";
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            body += '{';
            AppendFormat(body, fragment.charFormat(), base, tables);
            AppendText(body, fragment.text());
            body += '}';
        }
    }

    QByteArray out;
    out.reserve(body.size() + 256);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype i = 0; i < tables.fonts.size(); ++i) {
        out += "{\\f";
        out += QByteArray::number(i);
        out += "\\fnil\\fcharset0 ";
        AppendText(out, tables.fonts.at(i));
        out += ";}";
    }
    out += "}\n{\\colortbl ;";
    for (const QRgb rgb : std::as_const(tables.colors)) {
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
               QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    out += "}\n\\pard\\plain\n";
    out += body;
    out += "}\n";
    return out;
}

} // namespace controls
