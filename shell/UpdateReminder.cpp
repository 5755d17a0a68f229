#include "shell/UpdateReminder.h"

#include "platform/Clock.h"
#include "platform/MsgBox.h"
#include "shell/modHelp.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace {

const QString DateKey = QStringLiteral("LastUpdateReminder");

std::unique_ptr<QSettings> OpenStore() {
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Kelvora"),
                                       QStringLiteral("Kelvora"));
}

// Writes today's date, as it is now, when the returned function runs. A store that cannot be
// written is not reported: the reminder simply comes again next time.
std::function<void()> RememberToday() {
    return [today = platform::Today()] {
        const auto store = OpenStore();
        store->setValue(DateKey, today.toString(Qt::ISODate));
        store->sync();
    };
}

} // namespace

QString UpdateReminderText() {
    //: The first line of the update reminder; the question follows on a line of its own.
    return QCoreApplication::translate("UpdateReminder",
                                       "There maybe an update to this software available") +
           QChar(13) +
           //: The second line of the update reminder, answered Yes or No.
           QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?");
}

QString ReminderSettingsPath() {
    const auto store = OpenStore();
    return store->fileName();
}

QDate RememberedReminderDate() {
    // Only the date's own line counts: QSettings reads every well-formed line of a file that
    // has malformed ones elsewhere (and reports a format error for the file as a whole).
    const auto store = OpenStore();
    return QDate::fromString(store->value(DateKey).toString(), Qt::ISODate);
}

void RemindOfUpdate() {
    if (const std::function<void()> write = RemindOfUpdateWritingLater()) {
        write();
    }
}

std::function<void()> RemindOfUpdateWritingLater() {
    const QDate remembered = RememberedReminderDate();
    if (!remembered.isValid()) {
        return RememberToday();
    }
    const qint64 days = platform::Today().daysTo(remembered);
    if (days >= -14 && days <= 14) {
        return {};
    }
    const QMessageBox::StandardButton answer = platform::MsgBox(
        UpdateReminderText(), QMessageBox::Yes | QMessageBox::No, QMessageBox::Information);
    if (answer == QMessageBox::Yes) {
        modHelp::OpenUpdatePage();
    }
    return RememberToday();
}
