// main() for the test executables that draw text but make no window: fonts
// resolve as on a machine where no window has set up its own.
#include "support/testsupport.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLocale::setDefault(kUs);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
