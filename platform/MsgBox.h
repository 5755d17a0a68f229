#pragma once

#include <QMessageBox>
#include <QString>

// The modal message box, and the title it carries when given none.
namespace platform {

// The title of message boxes shown without one of their own.
void SetAppTitle(const QString& title);
QString AppTitle();

// Shows a modal message box with `prompt`, the `buttons` and the `icon`, and returns the button
// pressed. A box shown before any other window (at start-up) carries the program icon too.
QMessageBox::StandardButton MsgBox(const QString& prompt,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                   QMessageBox::Icon icon = QMessageBox::NoIcon,
                                   const QString& title = AppTitle());

} // namespace platform
