// main() for the test executables that need a QApplication: windows are
// drawn offscreen, in English (United States), whatever the machine has, and
// printing goes to the tests' own print service, never the machine's.
#include "support/testsupport.h"
#include "ui/common/fonts.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef VARNHOLT_TEST_PRINT_SERVICE
    // The service's folder is reached through a link in the build folder; its
    // socket is named by the real path, which stays short.
    const QString link = QStringLiteral(VARNHOLT_TEST_PRINT_SERVICE);
    const QString folder = QFileInfo::exists(link) ? QFileInfo(link).canonicalFilePath() : link;
    qputenv("VARNHOLT_PRINT_SERVICE", folder.toLocal8Bit());
    qputenv("CUPS_SERVER", (folder + "/cups.sock").toLocal8Bit());
    // Either would choose a printer of its own over the service's default.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
#endif
    QApplication app(argc, argv);
    QLocale::setDefault(kUs);
    Fonts::useWindowFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
