// The program's entry: sets up the locale, the fonts, the settings store and
// the account, shows the main window and runs until it is closed.
#include "model/account.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/datafolder.h"
#include "platform/programlocale.h"
#include "ui/common/appicon.h"
#include "ui/common/fonts.h"
#include "ui/common/qtprompter.h"
#include "ui/main/mainwindow.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The user's data folder is named after the application; the desktop
    // matches the windows to the installed entry and icon by the id.
    QCoreApplication::setApplicationName(kAppTitle);
    QGuiApplication::setDesktopFileName(kAppId);
    applyProgramLocale();
    Fonts::useWindowFonts();
    QApplication::setWindowIcon(applicationIcon());

    QSettings settings(kAppTitle, kAppTitle);
    QtPrompter prompter;
    SystemClock clock;
    const QString dataFolder =
        DataFolder::choose(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir().mkpath(dataFolder); // a folder that cannot be made is reported when saving fails
    const QDateTime startedAt = QDateTime::currentDateTime();
    Account account(dataFolder, settings);
    StartUp start(account, prompter);
    if (!start.takeLock(startedAt))
        return 0;

    MainWindow window(account, prompter, clock);
    prompter.setParent(&window);
    window.load();
    start.tellAfterLoad();
    return app.exec();
}
