#include "folderlock.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

FolderLock::FolderLock(const QString& folder, const QStringList& savedFiles)
    : folder_(folder), savedFiles_(savedFiles),
      lock_(QDir(folder).filePath(savedFiles.value(0) + QStringLiteral(".lock")))
{
    // Stale only when its process is gone, never by age: a copy left open for
    // days holds it, also where the file system has no locks of its own.
    lock_.setStaleLockTime(0);
}

FolderLock::State FolderLock::take()
{
    if (lock_.tryLock(0))
        return State::Taken;
    return lock_.error() == QLockFile::LockFailedError ? State::HeldByAnotherCopy
                                                       : State::FolderNotWritable;
}

void FolderLock::removeStraySaveFiles(const QDateTime& startedAt) const
{
    const QDir folder(folder_);
    for (const QString& saved : savedFiles_) {
        // QSaveFile names its temporary file after the file and six characters.
        const QRegularExpression stray(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(saved) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
        for (const QFileInfo& file :
             folder.entryInfoList({saved + QStringLiteral(".*")}, QDir::Files | QDir::Hidden)) {
            if (stray.match(file.fileName()).hasMatch() && file.lastModified() < startedAt)
                QFile::remove(file.filePath());
        }
    }
}
