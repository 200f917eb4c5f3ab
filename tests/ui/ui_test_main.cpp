#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "ui/toolkit/application_setup.h"
#include "ui/toolkit/fonts.h"

// GUI tests run headless unless told otherwise, in a pinned locale, with the style and fonts
// the program starts with.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    tarnvale::installStartupStyle();
    tarnvale::installFontSubstitutions();
    return RUN_ALL_TESTS();
}
