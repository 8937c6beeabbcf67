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
        return QStringLiteral("%1 is a folder, not a file.").arg(path);
    case FileProblem::Cause::BrokenLink:
        return QStringLiteral("%1 is a link to %2, which does not exist.")
            .arg(path, shownPath(problem.detail));
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
