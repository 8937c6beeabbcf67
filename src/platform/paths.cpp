#include "paths.h"

#include <QDir>

QString joinPath(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty())
        return fileName;
    return QDir(folder).filePath(fileName);
}
