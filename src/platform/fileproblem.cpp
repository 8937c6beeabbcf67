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

FileProblem FileProblem::of(const QString& path, const QString& systemReason, Access access)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (isTooLong(path))
        return {Cause::PathTooLong, path, {}, access};
    if (file.isDir())
        return {Cause::IsAFolder, path, {}, access};
    if (file.isSymLink() && !file.exists())
        return {Cause::BrokenLink, path, file.symLinkTarget(), access};
    if (!QFileInfo(folder).isDir())
        return {Cause::FolderMissing, path, {}, access};
    if (access == Access::Write && !canCreateFilesIn(folder))
        return {Cause::FolderNotWritable, path, {}, access};
    return {Cause::Other, path, systemReason, access};
}

FileProblem FileProblem::of(const QFileDevice& file, Access access)
{
    return of(file.fileName(), file.errorString(), access);
}
