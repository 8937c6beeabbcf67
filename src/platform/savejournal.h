#pragma once

#include "fileproblem.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The redo journal of an action that replaces more than one file: what the
// action leaves in every file is written first, in one step, then each file
// is replaced, then the journal removed. A stop part-way leaves the journal,
// and the next start finishes the action from it.
class SaveJournal {
public:
    struct Entry {
        QString file; // its name in the folder
        QByteArray bytes;
    };
    struct Found {
        enum class State {
            None,
            Whole,
            Torn, // not all of it was written (or it was changed by hand)
            NotAFile,
        };
        State state = State::None;
        std::vector<Entry> entries;         // when Whole
        std::optional<FileProblem> problem; // when NotAFile
    };

    SaveJournal(const QString& folder, const QString& fileName);

    QString path() const { return path_; }
    // Nothing when it was written whole.
    std::optional<FileProblem> write(const std::vector<Entry>& entries) const;
    Found read() const;
    bool remove() const;

private:
    QString path_;
};
