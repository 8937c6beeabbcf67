#include "appicon.h"

QIcon applicationIcon()
{
    // The icon is compiled into this static library, which the linker would
    // otherwise leave out of the program.
    Q_INIT_RESOURCE(resources);
    return QIcon(QStringLiteral(":/varnholt.png"));
}
