#pragma once

#include "fileproblem.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// Replaces a file by new content in one step: the content goes to a save
// file of its own beside it (see saveFileName), is synced to the disk and
// renamed over the file, and the folder is synced, so that neither a kill
// nor a power cut leaves less than the old file or the new one. Anything
// but a file (or a link to one) in its place is refused, never written
// through. Each gives what went wrong, or nothing when the file was replaced.
std::optional<FileProblem> writeWhole(const QString& path, const QByteArray& bytes);
// The content written in parts by `write`, which returns false as soon as
// a part could not be written.
std::optional<FileProblem> writeWhole(const QString& path,
                                      const std::function<bool(QIODevice& file)>& write);
// Removes a file for good (the folder synced); true when it is gone.
bool removeFile(const QString& path);

// How the save file of a file begins: a dot (when its name has none
// first), the file's name and ".saving-"; six letters or digits follow. No user names a file so,
// which is what lets a start remove the ones a killed save left.
QString saveFileName(const QString& fileName);

// A test seam for a stop part-way through an action: after this many more
// file changes (replacements and removals), every change is refused, as if
// the program had been killed. resume() ends it.
namespace FileChanges {
void stopAfter(int changes);
void resume();
} // namespace FileChanges
