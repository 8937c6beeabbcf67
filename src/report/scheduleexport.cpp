#include "scheduleexport.h"

#include "calc/scheduletable.h"
#include "platform/atomicwrite.h"
#include "platform/codepage1252.h"

namespace ScheduleExport {

QByteArray bytes(const ScheduleTable& table)
{
    return Cp1252::encode(table.lines());
}

std::optional<QString> write(const ScheduleTable& table, const QString& path)
{
    return writeWhole(path, bytes(table));
}

} // namespace ScheduleExport
