// The least Qt Widgets program with a window of Kelvora's make-up (BareWindow.h), with an empty
// client. bench_first_frame times how long it takes to show its first frame.
#include "BareWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return RunBareWindow(new QWidget);
}
