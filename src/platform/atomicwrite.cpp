#include "atomicwrite.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int changesLeft = -1; // the test seam: below zero, no stop

// Counts one change against the seam; false once the program "stopped".
bool mayChange()
{
    if (changesLeft == 0)
        return false;
    if (changesLeft > 0)
        --changesLeft;
    return true;
}

QString systemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

// A rename lives in the folder's own entry: only its sync makes it last
// through a power cut.
void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A save file of its own name; a new one takes the mode the user's mask
// gives, as the file itself would.
int createSaveFile(const QString& folder, const QString& fileName, QByteArray& path)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = saveFileName(fileName);
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
        path = QFile::encodeName(folder + QLatin1Char('/') + name);
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The replaced file keeps its mode, where the file system has modes: one
// that has none (a memory stick's) refuses the change, and the save goes on.
void keepMode(int fd, const QByteArray& target)
{
    struct stat status {};
    if (::stat(target.constData(), &status) == 0)
        (void)::fchmod(fd, status.st_mode & 07777);
}

} // namespace

QString saveFileName(const QString& fileName)
{
    const QString hidden =
        fileName.startsWith(QLatin1Char('.')) ? fileName : QLatin1Char('.') + fileName;
    return hidden + QStringLiteral(".saving-");
}

std::optional<FileProblem> writeWhole(const QString& path,
                                      const std::function<bool(QIODevice& file)>& write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer))
        return FileProblem::of(path, buffer.errorString());
    return writeWhole(path, buffer.data());
}

std::optional<FileProblem> writeWhole(const QString& path, const QByteArray& bytes)
{
    if (const auto nonFile = FileProblem::ofNonFile(path))
        return nonFile;
    // Through a link to a file the file is replaced, and the link kept.
    const QFileInfo link(path);
    const QFileInfo target(link.isSymLink() ? link.canonicalFilePath() : link.absoluteFilePath());
    const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
    if (!mayChange())
        return FileProblem::of(path, QStringLiteral("the program stopped"));
    QByteArray temporary;
    const int fd = createSaveFile(target.absolutePath(), target.fileName(), temporary);
    if (fd < 0)
        return FileProblem::of(path, systemWords(errno));
    keepMode(fd, targetPath);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written ||
        ::rename(temporary.constData(), targetPath.constData()) != 0) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.constData());
        return FileProblem::of(path, systemWords(error));
    }
    syncFolder(target.absolutePath());
    return std::nullopt;
}

bool removeFile(const QString& path)
{
    if (!mayChange())
        return false;
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return false;
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

namespace FileChanges {

void stopAfter(int changes)
{
    changesLeft = changes;
}

void resume()
{
    changesLeft = -1;
}

} // namespace FileChanges
