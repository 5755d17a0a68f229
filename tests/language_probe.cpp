// Kelvora's languages as a session's environment picks them: installs the session's language as
// the program does at start-up, then prints the casting button's last caption (a text of
// Kelvora's) and a message box's Yes button (a text of Qt's), one a line.
#include "platform/Translation.h"
#include "tests/TestMain.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

int main(int argc, char* argv[]) {
    testsupport::InitMain();
    QApplication app(argc, argv);
    platform::UseSessionLanguage();
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes);
    std::printf("%s\n%s\n",
                qUtf8Printable(QCoreApplication::translate("CastingBoard", "Do It Once Again")),
                qUtf8Printable(box.button(QMessageBox::Yes)->text()));
    return 0;
}
