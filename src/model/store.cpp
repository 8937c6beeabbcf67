#include "store.h"

#include "platform/atomicwrite.h"

#include <QFile>
#include <algorithm>

namespace {

const QString kKeptSuffix = QStringLiteral(".bak");

} // namespace

int LoadReport::notANumber() const
{
    return static_cast<int>(std::count_if(flawed.begin(), flawed.end(), [](const auto& debt) {
        return debt.second == Debt::Flaw::NotANumber;
    }));
}

bool LoadReport::takenWhole() const
{
    return repeatedNames.isEmpty() && emptiedRecords == 0 && strayBytes == 0 && !tooMany &&
           notANumber() == 0;
}

FileSave Store::replace(const QString& path, const QByteArray& bytes, bool keepFirst) const
{
    if (refusal_ && *refusal_)
        return {FileSave::Outcome::NotWritten, *refusal_, {}};
    FileSave saved;
    if (keepFirst) {
        // Copying a named pipe would wait for good; writeWhole refuses the rest.
        if (const auto nonFile = FileProblem::ofNonFile(path))
            return {FileSave::Outcome::NotWritten, nonFile, {}};
        QString kept = path + kKeptSuffix;
        for (int number = 2; QFile::exists(kept); ++number)
            kept = path + kKeptSuffix + QLatin1Char('.') + QString::number(number);
        QFile file(path);
        if (!file.copy(kept))
            return {FileSave::Outcome::NotKept, FileProblem::of(kept, file.errorString()), {}};
        saved.keptAs = kept;
    }
    if ((saved.problem = writeWhole(path, bytes)))
        saved.outcome = FileSave::Outcome::NotWritten;
    return saved;
}
