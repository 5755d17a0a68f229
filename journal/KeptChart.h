#pragma once

#include "casting/Cast.h"

#include <QDateTime>
#include <QString>

namespace journal {

// One kept chart. Its houses are not kept: they are worked out again from the mothers
// (ChartOf), so a kept chart can never disagree with them.
struct KeptChart {
    qint64 id = 0;
    Mothers mothers{};
    Tableau tableau = Tableau::Classic;
    QString question;
    QString note;
    QDateTime keptUtc;     // when it was kept, in UTC
    int offsetSeconds = 0; // the local offset from UTC at that moment
};

} // namespace journal
