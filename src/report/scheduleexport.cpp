#include "scheduleexport.h"

#include "calc/scheduletable.h"
#include "platform/codepage1252.h"

#include <QFile>

namespace ScheduleExport {

QByteArray bytes(const ScheduleTable& table)
{
    return Cp1252::encode(table.lines());
}

std::optional<QString> write(const ScheduleTable& table, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    const QByteArray content = bytes(table);
    if (file.write(content) != content.size() || !file.flush())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace ScheduleExport
