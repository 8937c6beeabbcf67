#pragma once

#include <QString>
#include <optional>

class QFileDevice;

// Why a file could not be read or written, found out as far as the system
// lets us, so that the user can be told the real cause in words.
struct FileProblem {
    enum class Cause {
        PathTooLong, // longer than the system takes
        IsAFolder,   // the name belongs to a folder
        BrokenLink,  // a link to something that is not there; detail: its target
        LinkLoop,    // a link that leads round to itself
        NamedPipe,   // not a file: opening one waits for a writer
        Device,
        Socket,
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
    // Why what stands at path is no file (nor a link to one) that a data file
    // may be read from or replaced: nothing when it is one, or when nothing
    // stands there. Asked without opening it, as opening a named pipe waits.
    static std::optional<FileProblem> ofNonFile(const QString& path, Access access = Access::Write);
    // Whether the cause is something in the file's place that is no file.
    bool isNonFile() const;
};

// Whether a file can be created in the folder, tried rather than asked:
// permissions alone do not tell for every user and every file system.
bool canCreateFilesIn(const QString& folder);
