#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Replaces a file by these bytes in one step: until the new content is
// written in full, the previous file stays as it was. The description of
// what went wrong, or nothing when the file was replaced.
std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes);
