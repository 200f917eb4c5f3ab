// The yardstick: a Qt Widgets program that shows one empty window.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(540, 460);
    tarnvale::bench::exitOnFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
