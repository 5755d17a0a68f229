#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace controls {
class LinkLabel;
} // namespace controls

// The window shown when the main window closes: a few lines asking the user to support the
// maker's site, a link to the maker's other programs, a refer-a-friend form and Exit. Closing it
// in any way ends the program (start-up, which shows it, connects `unloaded` to QuitProgram). The
// form sends nothing itself: Send opens the maker's refer page in the browser with the fields
// filled in.
class frmExit : public QWidget {
    Q_OBJECT

public:
    explicit frmExit(QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblSupport = nullptr;
    controls::LinkLabel* lblOtherPrograms = nullptr;
    QLineEdit* txtYourName = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QLabel* lblReferNote = nullptr;
    QPushButton* cmdSend = nullptr;
    QPushButton* cmdExit = nullptr;

signals:
    // The window was closed, by Exit or its close box: the program is to end.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Return or Enter presses the focused button; Esc closes the window as its close box does.
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void lblOtherPrograms_Click();
    void cmdSend_Click();
    void cmdExit_Click();
};
