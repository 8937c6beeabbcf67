// main() for the test executables without windows.
#include "support/testsupport.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(kUs);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
