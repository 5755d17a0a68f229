#include "platform/MsgBox.h"

#include "platform/ProgramIcon.h"

namespace platform {

QMessageBox::StandardButton MsgBox(const QString& prompt, QMessageBox::StandardButtons buttons,
                                   QMessageBox::Icon icon, const QString& title) {
    UseProgramIcon();
    QMessageBox box(icon, title, prompt, buttons);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace platform
