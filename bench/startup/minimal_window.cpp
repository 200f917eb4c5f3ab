// The yardstick: a Qt Widgets program that shows a window laying out one line of text, the
// least any window that shows text does before its first paint.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Tarnvale"));
    window.resize(540, 460);
    tarnvale::bench::exitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
