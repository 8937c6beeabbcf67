#pragma once

#include <QFileDevice>
#include <QString>

// What the user is told when a file cannot be read or written: the file's
// path and the system's reason.
inline QString fileErrorText(const QFileDevice& file)
{
    return QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
}
