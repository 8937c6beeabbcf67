#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be read or written, found out as far as the system
// lets us, so that the user can be told the real cause in words.
struct FileProblem {
    enum class Cause {
        PathTooLong,       // longer than the system takes
        IsAFolder,         // the name belongs to a folder
        BrokenLink,        // a link to something that is not there; detail: its target
        FolderMissing,     // the folder that should hold it does not exist
        FolderNotWritable, // nothing can be created in the folder
        Other,             // detail: the system's own words
    };
    // What was being done: a folder that cannot be written is no cause of a
    // failed read.
    enum class Access { Write, Read };

    Cause cause = Cause::Other;
    QString path;
    QString detail;
    Access access = Access::Write;

    // The cause of a failed read or write of the file at path, given the
    // system's own words for it.
    static FileProblem of(const QString& path, const QString& systemReason,
                          Access access = Access::Write);
    static FileProblem of(const QFileDevice& file, Access access = Access::Write);
};

// Whether a file can be created in the folder, tried rather than asked:
// permissions alone do not tell for every user and every file system.
bool canCreateFilesIn(const QString& folder);
