#include "savepath.h"

#include "filewords.h"
#include "platform/prompter.h"

#include <QFileInfo>

QString askSavePath(Prompter& prompter, const QString& title, const QString& offered,
                    const QString& filter, const QString& suffix)
{
    QString path = prompter.askSaveFileName(title, offered, filter);
    if (path.isEmpty() || QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return path;
    path += QLatin1Char('.') + suffix;
    if (QFileInfo::exists(path) &&
        !prompter.askYesNo(QStringLiteral("%1 already exists. Do you want to replace it?")
                               .arg(FileWords::shownPath(path))))
        return {};
    return path;
}
