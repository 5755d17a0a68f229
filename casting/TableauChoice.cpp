#include "casting/TableauChoice.h"

#include <QSettings>

namespace {

const QString TableauKey = QStringLiteral("DivinersTableau");

QSettings Settings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Kelvora"), QStringLiteral("Kelvora"));
}

} // namespace

Tableau RememberedTableau() {
    return Settings().value(TableauKey, false).toBool() ? Tableau::Diviners : Tableau::Classic;
}

void RememberTableau(Tableau tableau) {
    Settings().setValue(TableauKey, tableau == Tableau::Diviners);
}
