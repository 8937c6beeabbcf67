#include "atomicwrite.h"

#include <QSaveFile>

std::optional<FileProblem> writeWhole(const QString& path,
                                      const std::function<bool(QIODevice& file)>& write)
{
    // The explicit flush matters: a write error that only surfaces when the
    // buffer is flushed inside commit() does not stop the replacement.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.flush() && file.commit())
        return std::nullopt;
    const FileProblem problem = FileProblem::of(file);
    file.cancelWriting();
    return problem;
}

std::optional<FileProblem> writeWhole(const QString& path, const QByteArray& bytes)
{
    return writeWhole(path,
                      [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}
