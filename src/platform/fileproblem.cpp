#include "fileproblem.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// What Linux takes: a whole path, and one name in it.
constexpr qsizetype kLongestPath = 4095;
constexpr qsizetype kLongestName = 255;

bool isTooLong(const QString& path)
{
    if (path.toLocal8Bit().size() > kLongestPath)
        return true;
    for (const QString& name : path.split(QLatin1Char('/'))) {
        if (name.toLocal8Bit().size() > kLongestName)
            return true;
    }
    return false;
}

} // namespace

bool canCreateFilesIn(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.varnholt-probe-XXXXXX"));
    return probe.open();
}

FileProblem FileProblem::of(const QString& path, const QString& systemReason)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (isTooLong(path))
        return {Cause::PathTooLong, path, {}};
    if (file.isDir())
        return {Cause::IsAFolder, path, {}};
    if (file.isSymLink() && !file.exists())
        return {Cause::BrokenLink, path, file.symLinkTarget()};
    if (!QFileInfo(folder).isDir())
        return {Cause::FolderMissing, path, {}};
    if (!canCreateFilesIn(folder))
        return {Cause::FolderNotWritable, path, {}};
    return {Cause::Other, path, systemReason};
}

FileProblem FileProblem::of(const QFileDevice& file)
{
    return of(file.fileName(), file.errorString());
}
