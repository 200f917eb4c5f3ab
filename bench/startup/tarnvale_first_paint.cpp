// Starts the program as its own main does, and ends it half a second after the main window is
// first painted.
#include <QApplication>

#include "first_paint.h"
#include "ui/main/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarnvale::Program program;
    tarnvale::bench::exitAfterFirstPaint(&program.window());
    program.start();
    return QApplication::exec();
}
