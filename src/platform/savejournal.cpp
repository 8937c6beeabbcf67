#include "savejournal.h"

#include "atomicwrite.h"
#include "paths.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The first line; a journal of another format is no journal of ours.
const QByteArray kHeader = QByteArrayLiteral("journal 1\n");
const QByteArray kEntry = QByteArrayLiteral("file ");
const QByteArray kEnd = QByteArrayLiteral("end ");

// Reads "<word><number>\n" at `at`; -1 when that is not what is there.
qint64 numberAfter(const QByteArray& bytes, qsizetype& at, const QByteArray& word)
{
    const qsizetype end = bytes.indexOf('\n', at);
    if (end < 0 || !bytes.sliced(at, end - at).startsWith(word))
        return -1;
    bool isNumber = false;
    const qint64 number =
        bytes.sliced(at + word.size(), end - at - word.size()).toLongLong(&isNumber);
    at = end + 1;
    return isNumber && number >= 0 ? number : -1;
}

} // namespace

SaveJournal::SaveJournal(const QString& folder, const QString& fileName)
    : path_(joinPath(folder, fileName))
{
}

std::optional<FileProblem> SaveJournal::write(const std::vector<Entry>& entries) const
{
    QByteArray bytes = kHeader;
    for (const Entry& entry : entries) {
        bytes += kEntry + QByteArray::number(entry.bytes.size()) + '\n' + entry.file.toUtf8() +
                 '\n' + entry.bytes + '\n';
    }
    bytes += kEnd + QByteArray::number(static_cast<qint64>(entries.size())) + '\n';
    return writeWhole(path_, bytes);
}

SaveJournal::Found SaveJournal::read() const
{
    if (!QFile::exists(path_) && !QFileInfo(path_).isSymLink())
        return {};
    if (auto nonFile = FileProblem::ofNonFile(path_, FileProblem::Access::Read))
        return {Found::State::NotAFile, {}, nonFile};
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {Found::State::Torn, {}, {}};
    const QByteArray bytes = file.readAll();
    const Found torn{Found::State::Torn, {}, {}};
    if (!bytes.startsWith(kHeader))
        return torn;
    Found found{Found::State::Whole, {}, {}};
    qsizetype at = kHeader.size();
    while (QByteArrayView(bytes).sliced(at).startsWith(kEntry)) {
        const qint64 size = numberAfter(bytes, at, kEntry);
        const qsizetype nameEnd = bytes.indexOf('\n', at);
        if (size < 0 || nameEnd < 0 || nameEnd + 1 + size >= bytes.size() ||
            bytes.at(nameEnd + 1 + size) != '\n')
            return torn;
        found.entries.push_back(
            {QString::fromUtf8(bytes.sliced(at, nameEnd - at)), bytes.sliced(nameEnd + 1, size)});
        at = nameEnd + 1 + size + 1;
    }
    const qint64 count = numberAfter(bytes, at, kEnd);
    if (count != static_cast<qint64>(found.entries.size()) || at != bytes.size())
        return torn;
    return found;
}

bool SaveJournal::remove() const
{
    return removeFile(path_);
}
