#include "atomicwrite.h"

#include "fileerror.h"

#include <QSaveFile>

std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes)
{
    // The explicit flush matters: a write error that only surfaces when the
    // buffer is flushed inside commit() does not stop the replacement.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return std::nullopt;
    const QString failure = fileErrorText(file);
    file.cancelWriting();
    return failure;
}
