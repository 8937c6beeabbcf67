#include "datafolder.h"

#include "appinfo.h"

#include <QDir>
#include <QFileInfo>

namespace DataFolder {

bool isInstalled(const QString& programFolder)
{
    return QFileInfo::exists(
        QDir(programFolder)
            .filePath(QStringLiteral("../share/metainfo/%1.metainfo.xml").arg(kAppId)));
}

QString choose(const QString& programFolder, const QString& userDataFolder)
{
    return isInstalled(programFolder) ? userDataFolder : programFolder;
}

} // namespace DataFolder
