#pragma once

#include "fileproblem.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// Replaces a file by new content in one step: until the new content is
// written in full, the previous file stays as it was. Each gives what went
// wrong, or nothing when the file was replaced.
std::optional<FileProblem> writeWhole(const QString& path, const QByteArray& bytes);
// The content written in parts by `write`, which returns false as soon as
// a part could not be written.
std::optional<FileProblem> writeWhole(const QString& path,
                                      const std::function<bool(QIODevice& file)>& write);
