#include "filewords.h"

#include <QDir>
#include <QFileInfo>

namespace {

// About as many characters as a message box shows on a line of a small screen.
constexpr qsizetype kLongestShownPath = 90;

QString fileName(const FileProblem& problem)
{
    return QFileInfo(problem.path).fileName();
}

} // namespace

namespace FileWords {

QString whatStands(const FileProblem& problem)
{
    switch (problem.cause) {
    case FileProblem::Cause::IsAFolder:
        return QStringLiteral("a folder");
    case FileProblem::Cause::BrokenLink:
        return QStringLiteral("a link to %1, which does not exist").arg(shownPath(problem.detail));
    case FileProblem::Cause::LinkLoop:
        return QStringLiteral("a link that leads round to itself");
    case FileProblem::Cause::NamedPipe:
        return QStringLiteral("a named pipe");
    case FileProblem::Cause::Device:
        return QStringLiteral("a device");
    case FileProblem::Cause::Socket:
        return QStringLiteral("a socket");
    default:
        return QStringLiteral("not a file");
    }
}

QString shownPath(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= kLongestShownPath)
        return native;
    const qsizetype kept = (kLongestShownPath - 1) / 2;
    return native.left(kept) + QChar(0x2026) + native.right(kept);
}

QString describe(const FileProblem& problem)
{
    const QString path = shownPath(problem.path);
    const QString folder = shownPath(QFileInfo(problem.path).absolutePath());
    switch (problem.cause) {
    case FileProblem::Cause::PathTooLong:
        return QStringLiteral("The path of %1 is too long for the system (%2 characters): %3.")
            .arg(fileName(problem))
            .arg(problem.path.size())
            .arg(path);
    case FileProblem::Cause::IsAFolder:
    case FileProblem::Cause::LinkLoop:
    case FileProblem::Cause::NamedPipe:
    case FileProblem::Cause::Device:
    case FileProblem::Cause::Socket:
        return QStringLiteral("%1 is %2, not a file: move it away.").arg(path, whatStands(problem));
    case FileProblem::Cause::BrokenLink:
        return QStringLiteral("%1 is %2: move the link away.").arg(path, whatStands(problem));
    case FileProblem::Cause::FolderMissing:
        return QStringLiteral("The folder %1 does not exist.").arg(folder);
    case FileProblem::Cause::FolderNotWritable:
        return QStringLiteral("The folder %1 cannot be written.").arg(folder);
    case FileProblem::Cause::Other:
        break;
    }
    if (problem.detail.isEmpty())
        return (problem.access == FileProblem::Access::Read
                    ? QStringLiteral("%1 could not be read.")
                    : QStringLiteral("%1 could not be written."))
            .arg(path);
    return QStringLiteral("%1: %2").arg(path, problem.detail);
}

} // namespace FileWords
