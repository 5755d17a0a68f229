#include "casting/Cast.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

std::optional<Mothers> ReadMothers(const QString& text, QString* why) {
    const auto refuse = [why](const QString& reason) -> std::optional<Mothers> {
        if (why) {
            *why = reason;
        }
        return std::nullopt;
    };
    static const QRegularExpression separators(QStringLiteral("[\\s,/-]+"));
    const QStringList groups = text.trimmed().split(separators, Qt::SkipEmptyParts);
    for (const QString& group : groups) {
        for (qsizetype i = 0; i < group.size(); ++i) {
            if (group[i] == u'1' || group[i] == u'2') {
                continue;
            }
            // The character named whole, a surrogate pair too.
            const bool pair =
                group[i].isHighSurrogate() && i + 1 < group.size() && group[i + 1].isLowSurrogate();
            const QString character = group.mid(i, pair ? 2 : 1);
            if (group[i].isDigit()) {
                return refuse(
                    //: A refused cast; %1 is the offending digit as typed.
                    QCoreApplication::translate(
                        "Cast", "'%1' is not a row: each row is 1 (one seed) or 2 (two seeds).")
                        .arg(character));
            }
            return refuse(
                //: A refused cast; %1 is the offending character as typed. Wraps within 369 by
                //: 45 pixels in Enter Mothers.
                QCoreApplication::translate("Cast",
                                            "'%1' is neither a row nor a separator: rows are 1 or "
                                            "2, mothers are separated by blanks, commas, slashes "
                                            "or hyphens.")
                    .arg(character));
        }
    }
    const QString digits = groups.join(QString());
    if (groups.size() != 4 || digits.size() != 16 ||
        std::any_of(groups.begin(), groups.end(), [](const QString& g) { return g.size() != 4; })) {
        return refuse(
            //: A refused cast; %1 is the cast as typed.
            QCoreApplication::translate("Cast", "'%1' is not four mothers of four rows each, "
                                                "such as 1112/1112/1211/2121.")
                .arg(text.trimmed()));
    }
    Mothers mothers{};
    for (int c = 0; c < 16; ++c) {
        mothers[static_cast<std::size_t>(c)] = digits[c] == u'1' ? DotCount{1} : DotCount{2};
    }
    return mothers;
}

QString FigureDigits(const Figure& figure) {
    QString digits;
    for (DotCount row : figure) {
        digits += QChar(u'0' + row);
    }
    return digits;
}

QString MothersText(const Mothers& mothers) {
    QStringList groups;
    for (std::size_t n = 0; n < 4; ++n) {
        groups << FigureDigits(
            {mothers[4 * n], mothers[4 * n + 1], mothers[4 * n + 2], mothers[4 * n + 3]});
    }
    return groups.join(u'/');
}

DotCount AddRows(DotCount a, DotCount b) {
    return a == b ? DotCount{2} : DotCount{1};
}

int DaughterSource(int n, int r) {
    return n <= 4 ? 4 * (r - 1) + (n - 1) : 12 - 4 * (r - 1) + (n - 5);
}

std::array<Figure, HouseCount> ChartOf(const Mothers& mothers, Tableau tableau) {
    std::array<DotCount, CellCount> cells{};
    std::copy(mothers.begin(), mothers.end(), cells.begin());
    const auto house = [&](int h) {
        const std::array<int, 4>& rows = HouseFigure(h, tableau);
        return Figure{
            cells[static_cast<std::size_t>(rows[0])], cells[static_cast<std::size_t>(rows[1])],
            cells[static_cast<std::size_t>(rows[2])], cells[static_cast<std::size_t>(rows[3])]};
    };
    if (tableau == Tableau::Classic) {
        for (int n = 1; n <= 8; ++n) {
            for (int r = 1; r <= 4; ++r) {
                cells[static_cast<std::size_t>(16 + 4 * (n - 1) + r - 1)] =
                    cells[static_cast<std::size_t>(DaughterSource(n, r))];
            }
        }
    } else {
        for (const HouseSum& sum : DivinersOrder) {
            const Figure left = house(sum.left);
            const Figure right = house(sum.right);
            const std::array<int, 4>& rows = HouseFigure(sum.house, tableau);
            for (std::size_t r = 0; r < 4; ++r) {
                cells[static_cast<std::size_t>(rows[r])] = AddRows(left[r], right[r]);
            }
        }
    }
    std::array<Figure, HouseCount> chart{};
    for (int h = 1; h <= HouseCount; ++h) {
        chart[static_cast<std::size_t>(h - 1)] = house(h);
    }
    return chart;
}

QString TableauName(Tableau tableau) {
    return tableau == Tableau::Diviners ? QStringLiteral("diviners") : QStringLiteral("classic");
}

std::optional<Tableau> ReadTableau(const QString& name) {
    if (name == QLatin1String("classic")) {
        return Tableau::Classic;
    }
    if (name == QLatin1String("diviners")) {
        return Tableau::Diviners;
    }
    return std::nullopt;
}
