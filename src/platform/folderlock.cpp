#include "folderlock.h"

#include "atomicwrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for a process number, a program and a machine name.
constexpr qint64 kLongestLock = 4096;

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// The name the system gives the process's program; empty when no such
// process lives.
QString programOf(const QString& process)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(process));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

// A lock is read only once it is known to be a file: opening a named pipe in
// its place would wait for good.
QByteArray readLock(const QString& path)
{
    const int fd =
        ::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes(kLongestLock, Qt::Uninitialized);
    const ssize_t read = ::read(fd, bytes.data(), static_cast<size_t>(bytes.size()));
    ::close(fd);
    bytes.resize(read > 0 ? read : 0);
    return bytes;
}

} // namespace

FolderLock::FolderLock(const QString& folder, const QStringList& savedFiles)
    : folder_(folder), savedFiles_(savedFiles),
      path_(QDir(folder).filePath(savedFiles.value(0) + QStringLiteral(".lock")))
{
}

FolderLock::~FolderLock()
{
    if (taken_)
        ::unlink(encoded(path_).constData());
}

FolderLock::State FolderLock::take()
{
    // A stale lock removed may be taken by another copy starting at the
    // same moment; then its lock is the one found next time round.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const State created = create();
        if (created != State::HeldByAnotherCopy)
            return created;
        struct stat status {};
        if (::lstat(encoded(path_).constData(), &status) != 0)
            continue; // gone in between
        if (S_ISDIR(status.st_mode)) {
            problem_ = FileProblem{FileProblem::Cause::IsAFolder, path_, {}};
            return State::Unremovable;
        }
        if (S_ISREG(status.st_mode)) {
            const QStringList lines = QString::fromUtf8(readLock(path_)).split(QLatin1Char('\n'));
            bool isNumber = false;
            holder_ = {lines.value(0).toLongLong(&isNumber), lines.value(1), lines.value(2),
                       QFileInfo(path_).lastModified()};
            if (isNumber && !holder_.machine.isEmpty() &&
                holder_.machine != QSysInfo::machineHostName())
                return State::HeldOnAnotherMachine;
            if (isNumber &&
                programOf(QString::number(holder_.process))
                        .compare(programOf(QStringLiteral("self")), Qt::CaseInsensitive) == 0)
                return State::HeldByAnotherCopy;
        }
        // Empty, torn, a link, a dead copy's or another program's: stale.
        if (const auto removed = removeStale())
            return *removed;
    }
    return State::HeldByAnotherCopy;
}

FolderLock::State FolderLock::takeOver()
{
    if (const auto removed = removeStale())
        return *removed;
    return take();
}

FolderLock::State FolderLock::create()
{
    const int fd = ::open(encoded(path_).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno == EEXIST ? State::HeldByAnotherCopy : State::FolderNotWritable;
    const QByteArray content = QByteArray::number(::getpid()) + '\n' +
                               programOf(QStringLiteral("self")).toLocal8Bit() + '\n' +
                               QSysInfo::machineHostName().toLocal8Bit() + '\n';
    const bool written =
        ::write(fd, content.constData(), static_cast<size_t>(content.size())) == content.size() &&
        ::fsync(fd) == 0;
    ::close(fd);
    if (!written) {
        ::unlink(encoded(path_).constData());
        return State::FolderNotWritable;
    }
    taken_ = true;
    return State::Taken;
}

std::optional<FolderLock::State> FolderLock::removeStale()
{
    if (::unlink(encoded(path_).constData()) == 0 || errno == ENOENT)
        return std::nullopt;
    const int error = errno;
    if (!canCreateFilesIn(folder_))
        return State::FolderNotWritable;
    problem_ =
        FileProblem{FileProblem::Cause::Other, path_, QString::fromLocal8Bit(std::strerror(error))};
    return State::Unremovable;
}

void FolderLock::removeStraySaveFiles(const QDateTime& startedAt) const
{
    const QDir folder(folder_);
    for (const QString& saved : savedFiles_) {
        const QString begins = saveFileName(saved);
        const QRegularExpression stray(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(begins) + QStringLiteral("[A-Za-z0-9]{6}")));
        for (const QFileInfo& file :
             folder.entryInfoList({begins + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
            if (!file.isSymLink() && stray.match(file.fileName()).hasMatch() &&
                file.lastModified() < startedAt)
                QFile::remove(file.filePath());
        }
    }
}
