// The least window of Kelvora's make-up, linked with Qt Widgets alone: a QMainWindow with the same
// menus, an 835 x 550 client and one QTextEdit where the interpretation panel stands. Exits as
// soon as its first frame is on the display; bench_first_frame times whole runs of it.
#include "bench/FirstFrame.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTextEdit>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("&Check for Software Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    auto* client = new QWidget;
    client->setFixedSize(835, 550);
    auto* edit = new QTextEdit(client);
    edit->setGeometry(560, 96, 265, 385); // where the interpretation panel stands
    window.setCentralWidget(client);
    window.show();
    const FirstFrame watch(&window);
    return QApplication::exec();
}
