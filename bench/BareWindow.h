#pragma once

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>

// Shows the least Qt Widgets window of Kelvora's make-up around `client` and runs it: a
// QMainWindow with Kelvora's caption, a File and a Help menu with one item each, `client` fixed
// at 835 x 550 holding one QTextEdit where the interpretation panel stands, centred. Nothing
// else: no style of its own, no organisation name, no work begun ahead.
inline int RunBareWindow(QWidget* client) {
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kelvora v1.0"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()
        ->addMenu(QStringLiteral("&Help"))
        ->addAction(QStringLiteral("&About Software"));
    client->setFixedSize(835, 550);
    (new QTextEdit(client))->setGeometry(560, 96, 265, 385);
    window.setCentralWidget(client);
    window.adjustSize();
    QRect placed = window.rect();
    placed.moveCenter(window.screen()->availableGeometry().center());
    window.move(placed.topLeft());
    window.show();
    return QApplication::exec();
}
