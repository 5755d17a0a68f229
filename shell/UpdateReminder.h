#pragma once

#include <QDate>
#include <QString>

#include <functional>

// The update reminder of start-up: when the last reminder lies more than fourteen days away from
// today (either way, as after the clock was set back), asks whether to open the download page.
// The date of the last reminder is the one thing Kelvora keeps between runs.

// Runs the reminder once; never stops start-up, whatever happens to the stored date.
void RemindOfUpdate();
// Runs the reminder as RemindOfUpdate does, except that it returns the writing of today's date
// (an empty function when nothing is to be written) for the caller to run later: the write waits
// for the disk, and start-up runs it once the main window is on the screen.
std::function<void()> RemindOfUpdateWritingLater();

// The text of the reminder: two sentences with a carriage return between them.
QString UpdateReminderText();

// Where the date is kept: ~/.config/Kelvora/Kelvora.conf, key LastUpdateReminder, as an ISO date.
QString ReminderSettingsPath();
// The remembered date; an invalid date when there is none or it cannot be read.
QDate RememberedReminderDate();
