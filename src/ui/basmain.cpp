#include "basmain.h"

#include "appicon.h"
#include "fonts.h"
#include "frmmain.h"
#include "model/clsaccount.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/programlocale.h"
#include "qtprompter.h"

#include <QApplication>
#include <QSettings>

int runVarnholt(int argc, char* argv[])
{
    QApplication app(argc, argv);
    applyProgramLocale();
    Fonts::useWindowFonts();
    QApplication::setWindowIcon(applicationIcon());

    QSettings settings(kAppTitle, kAppTitle);
    QtPrompter prompter;
    SystemClock clock;
    clsAccount account(prompter, QCoreApplication::applicationDirPath(), settings);

    frmMain window(account, prompter, clock);
    prompter.setParent(&window);
    window.Form_Load();
    return app.exec();
}
