// The least Qt Widgets program with a window of Kelvora's make-up: a QMainWindow with Kelvora's
// caption, a File and a Help menu with one item each, a fixed 835 x 550 client holding one
// QTextEdit where the interpretation panel stands, centred and shown. Nothing else: no style of
// its own, no organisation name, no work begun ahead. bench_first_frame times how long it takes
// to show its first frame.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kelvora v1.0"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()
        ->addMenu(QStringLiteral("&Help"))
        ->addAction(QStringLiteral("&About Software"));
    auto* client = new QWidget;
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
