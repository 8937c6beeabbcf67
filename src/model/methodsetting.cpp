#include "methodsetting.h"

#include <QSettings>

MethodSetting::MethodSetting(QSettings& settings, QString& method)
    : settings_(settings), method_(method)
{
}

void MethodSetting::load(LoadReport&)
{
    method_ = settings_.value(kKey).toString();
}

FileSave MethodSetting::write()
{
    settings_.setValue(kKey, method_);
    settings_.sync();
    if (settings_.status() == QSettings::NoError)
        return {};
    return {FileSave::Outcome::NotWritten, FileProblem::of(settings_.fileName(), QString()), {}};
}
