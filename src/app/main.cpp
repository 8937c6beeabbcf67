// The program's entry: sets up the locale, the fonts, the settings store and
// the account, shows the main window and runs until it is closed.
#include "model/account.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/programlocale.h"
#include "ui/appicon.h"
#include "ui/fonts.h"
#include "ui/mainwindow.h"
#include "ui/qtprompter.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    applyProgramLocale();
    Fonts::useWindowFonts();
    QApplication::setWindowIcon(applicationIcon());

    QSettings settings(kAppTitle, kAppTitle);
    QtPrompter prompter;
    SystemClock clock;
    Account account(prompter, QCoreApplication::applicationDirPath(), settings);

    MainWindow window(account, prompter, clock);
    prompter.setParent(&window);
    window.load();
    return app.exec();
}
