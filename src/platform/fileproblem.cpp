#include "fileproblem.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <sys/stat.h>

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

std::optional<FileProblem> FileProblem::ofNonFile(const QString& path, Access access)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat status {};
    if (::stat(native.constData(), &status) != 0) {
        if (errno == ELOOP)
            return FileProblem{Cause::LinkLoop, path, {}, access};
        struct stat link {};
        if (errno == ENOENT && ::lstat(native.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return FileProblem{Cause::BrokenLink, path, QFileInfo(path).symLinkTarget(), access};
        return std::nullopt; // nothing there, or the read or write says why
    }
    switch (status.st_mode & S_IFMT) {
    case S_IFREG:
        return std::nullopt;
    case S_IFDIR:
        return FileProblem{Cause::IsAFolder, path, {}, access};
    case S_IFIFO:
        return FileProblem{Cause::NamedPipe, path, {}, access};
    case S_IFSOCK:
        return FileProblem{Cause::Socket, path, {}, access};
    default:
        return FileProblem{Cause::Device, path, {}, access};
    }
}

bool FileProblem::isNonFile() const
{
    switch (cause) {
    case Cause::IsAFolder:
    case Cause::BrokenLink:
    case Cause::LinkLoop:
    case Cause::NamedPipe:
    case Cause::Device:
    case Cause::Socket:
        return true;
    default:
        return false;
    }
}

FileProblem FileProblem::of(const QString& path, const QString& systemReason, Access access)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (isTooLong(path))
        return {Cause::PathTooLong, path, {}, access};
    if (const auto nonFile = ofNonFile(path, access))
        return *nonFile;
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
