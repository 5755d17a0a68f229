#pragma once

#include <QMessageBox>
#include <QString>

#include "platform/AppTitle.h"

// The modal message box.
namespace platform {

// Shows a modal message box with `prompt`, the `buttons` and the `icon`, and returns the button
// pressed. A box shown before any other window (at start-up) carries the program icon too.
QMessageBox::StandardButton MsgBox(const QString& prompt,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                   QMessageBox::Icon icon = QMessageBox::NoIcon,
                                   const QString& title = AppTitle());

} // namespace platform
