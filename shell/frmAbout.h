#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace controls {
class LinkLabel;
} // namespace controls

// The About window: the program's name, a description of sikidy, two links to the maker's pages
// and OK, which is both the default and the cancel button.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Shows a fresh About window modal over `owner`, which it belongs to (the window manager
    // keeps it above its owner), and discards it when it closes.
    static void ShowModal(QWidget* owner);

    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1_0 = nullptr;
    controls::LinkLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    controls::LinkLabel* lblCobrand = nullptr;
    QWidget* Line1_2 = nullptr;
    QPushButton* cmdOK = nullptr;

private slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();
};
