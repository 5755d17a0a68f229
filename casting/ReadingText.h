#pragma once

#include "casting/Cast.h"
#include "casting/Reading.h"

#include <QList>
#include <QString>
#include <QStringList>

// The words of a reading, in the session's language, shared by the Reading window and the
// command line: the houses' Merina names, the cast figures' titles, and one sentence per reading.

// The Merina name of house h (1..16), with "?" after the three names that are only probable
// (houses 5 to 7).
QString MerinaName(int h);
// The catalogue title of a figure, as the chart listing shows it.
QString FigureTitle(const Figure& figure);
// "prince" or "slave", by the figure's own number of seeds.
QString PrinceOrSlave(const Figure& figure);
// What a question in house `column` (1..4) is about, after its name: "Talé (the person…)".
QString ColumnChoice(int column);

struct ReadingLine {
    // A fixed English word: sound, repeat, pair, alone or lozabe.
    QString key;
    // What the line is about, as plain values: yes or no; a house; two houses and the pair's
    // name; a house; a figure's digits.
    QStringList values;
    // The reading in words, naming the houses it comes from.
    QString sentence;
};

// The reading of `chart` (the diviners' tableau) with the question in `column`, one line per
// finding: soundness, repeats, pairs, houses alone, Lozabe.
QList<ReadingLine> ReadingLines(const std::array<Figure, HouseCount>& chart, int column);
