#include "savepath.h"

#include "filewords.h"
#include "platform/prompter.h"

#include <QFileInfo>
#include <QWidget>

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

QString saveChartImage(Prompter& prompter, QWidget& chart, const QString& offered)
{
    const QString path = askSavePath(prompter, QStringLiteral("Save Chart"), offered,
                                     QStringLiteral("PNG images (*.png)"), QStringLiteral("png"));
    if (path.isEmpty())
        return {};
    if (!chart.grab().save(path, "PNG")) {
        prompter.showMessage(
            QStringLiteral("The chart could not be saved as %1.").arg(FileWords::shownPath(path)));
        return {};
    }
    return path;
}
