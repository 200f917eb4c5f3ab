#include <QApplication>
#include <cstdio>
#include <string_view>

#include "engine/version.h"
#include "ui/main/program.h"
#include "ui/toolkit/application_setup.h"

namespace {

// --version and --help are answered before Qt looks for a display.
bool answeredWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version" || arg == "-V") {
            std::printf("tarnvale %.*s\n", static_cast<int>(tarnvale::kVersion.size()),
                        tarnvale::kVersion.data());
            return true;
        }
        if (arg == "--help" || arg == "-h") {
            std::printf(
                "Usage: tarnvale [Qt options]\n"
                "Cellular radio channel calculator: pick a format, a band and a channel to see\n"
                "its carrier frequencies. See tarnvale-cli(1) for the command-line tool.\n\n"
                "  -h, --help     show this help\n"
                "  -V, --version  show the version\n");
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (answeredWithoutWindow(argc, argv)) {
        return 0;
    }
    tarnvale::provideRuntimeDirectory();
    QApplication app(argc, argv);
    tarnvale::Program program;
    QObject::connect(&program.window(), &tarnvale::MainWindow::programEnded, &app,
                     &QApplication::quit);
    program.start();
    return QApplication::exec();
}
