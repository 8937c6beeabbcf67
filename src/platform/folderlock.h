#pragma once

#include "fileproblem.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// Keeps a data folder to one copy of the program at a time: two copies
// saving the same debts.dat would each overwrite the other's changes. The
// lock is a file beside the data naming the process, the program and the
// machine that holds it. On this machine it is held only while it names a
// live process of this program; anything else that can be removed (a crash
// leaves it empty or torn, a link, the lock of a dead copy) is taken over,
// however recent it is. A lock from another machine that shares the folder
// is taken over only when the user says so.
class FolderLock {
public:
    enum class State {
        Taken,
        HeldByAnotherCopy,
        HeldOnAnotherMachine, // see holder(); takeOver() when the user agrees
        Unremovable,          // something in the lock's place stays; see problem()
        FolderNotWritable,    // no lock can be made; the copy runs unguarded
    };
    // Who a lock names.
    struct Holder {
        qint64 process = 0;
        QString program;
        QString machine;
        QDateTime since; // when the lock was last written
    };

    // The lock for the folder that holds these files; the first names the lock.
    FolderLock(const QString& folder, const QStringList& savedFiles);
    // A lock taken is given up.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State take();
    // Takes over a lock another machine holds.
    State takeOver();
    const Holder& holder() const { return holder_; }
    // Why the lock's place could not be taken, when Unremovable.
    const std::optional<FileProblem>& problem() const { return problem_; }
    QString path() const { return path_; }

    // Removes what a copy killed while saving left behind: the save files
    // of the saved files (see saveFileName) older than this start. Only the
    // holder of the lock may: another copy could be saving.
    void removeStraySaveFiles(const QDateTime& startedAt) const;

private:
    // Taken, FolderNotWritable, or HeldByAnotherCopy for a lock already there.
    State create();
    // Nothing once a stale lock is gone, else why it stays.
    std::optional<State> removeStale();

    QString folder_;
    QStringList savedFiles_;
    QString path_;
    Holder holder_;
    std::optional<FileProblem> problem_;
    bool taken_ = false;
};
