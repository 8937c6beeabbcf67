// main() for the test executables that need a QApplication: windows are
// drawn offscreen, in English (United States), whatever the machine has.
#include "ui/fonts.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Fonts::useWindowFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
