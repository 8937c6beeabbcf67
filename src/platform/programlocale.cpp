#include "programlocale.h"

QLocale programLocaleFor(const QLocale& system)
{
    if (system.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

void applyProgramLocale()
{
    QLocale::setDefault(programLocaleFor(QLocale::system()));
}
