// main() for the test executables that need a QApplication: windows are
// drawn offscreen, in English (United States), whatever the machine has, and
// printing goes to the tests' own print service, never the machine's.
#include "ui/fonts.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef VARNHOLT_TEST_PRINT_SERVICE
    qputenv("VARNHOLT_PRINT_SERVICE", VARNHOLT_TEST_PRINT_SERVICE);
    qputenv("CUPS_SERVER", VARNHOLT_TEST_PRINT_SERVICE "/cups.sock");
    // Either would choose a printer of its own over the service's default.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
#endif
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Fonts::useWindowFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
