#pragma once

#include <QDate>
#include <QString>

// The update reminder of start-up: when the last reminder lies more than fourteen days away from
// today (either way, as after the clock was set back), asks whether to open the download page.
// The date of the last reminder is the one thing Kelvora keeps between runs.

// Runs the reminder once; never stops start-up, whatever happens to the stored date.
void RemindOfUpdate();

// The text of the reminder: two sentences with a carriage return between them.
QString UpdateReminderText();

// Where the date is kept: ~/.config/Kelvora/Kelvora.conf, key LastUpdateReminder, as an ISO date.
QString ReminderSettingsPath();
// The remembered date; an invalid date when there is none or it cannot be read.
QDate RememberedReminderDate();
