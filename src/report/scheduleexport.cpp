#include "scheduleexport.h"

#include "platform/atomicwrite.h"
#include "platform/codepage1252.h"
#include "scheduletext.h"

#include <QIODevice>
#include <functional>

namespace {

// About this many characters are formatted before they are written.
constexpr qsizetype kBlockCharacters = 1 << 20;

// Hands the file's text to `write` a block of whole lines at a time; stops
// when a block could not be written.
bool eachBlock(const Schedule& schedule, const QLocale& locale,
               const std::function<bool(const QByteArray& block)>& write)
{
    const ScheduleText text(schedule, locale, ScheduleText::Characters::Windows1252);
    QString block;
    block.reserve(kBlockCharacters + kBlockCharacters / 4);
    for (int row = 0; row < text.rowCount(); ++row) {
        for (int column = 0; column < text.columnCount(); ++column) {
            text.appendCell(block, row, column);
            block += QLatin1Char('\t');
        }
        block += QLatin1String("\r\n");
        if (block.size() >= kBlockCharacters || row == text.rowCount() - 1) {
            if (!write(Cp1252::encode(block)))
                return false;
            block.resize(0);
        }
    }
    return true;
}

} // namespace

namespace ScheduleExport {

QByteArray bytes(const Schedule& schedule, const QLocale& locale)
{
    QByteArray bytes;
    eachBlock(schedule, locale, [&bytes](const QByteArray& block) {
        bytes += block;
        return true;
    });
    return bytes;
}

std::optional<FileProblem> write(const Schedule& schedule, const QString& path,
                                 const QLocale& locale)
{
    return writeWhole(path, [&](QIODevice& file) {
        return eachBlock(schedule, locale, [&file](const QByteArray& block) {
            return file.write(block) == block.size();
        });
    });
}

} // namespace ScheduleExport
