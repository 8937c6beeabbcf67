#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QStringList>

// Keeps a data folder to one copy of the program at a time: two copies
// saving the same debts.dat would each overwrite the other's changes. The
// lock is a file beside the data; a copy that died leaves it behind, and the
// next copy takes it over, known by its process, however recent it is.
class FolderLock {
public:
    enum class State {
        Taken,
        HeldByAnotherCopy,
        FolderNotWritable, // no lock can be made; the copy runs unguarded
    };

    // The lock for the folder that holds these files; the first names the lock.
    FolderLock(const QString& folder, const QStringList& savedFiles);

    State take();

    // Removes what a copy killed while saving left behind: the temporary
    // file of each saved file (its name, a dot and six characters), when it
    // is older than this start. Only the holder of the lock may: another copy
    // could be saving.
    void removeStraySaveFiles(const QDateTime& startedAt) const;

private:
    QString folder_;
    QStringList savedFiles_;
    QLockFile lock_;
};
