#include "extramoneysetting.h"

#include "extramoney.h"

#include <QSettings>

ExtraMoneySetting::ExtraMoneySetting(QSettings& settings, double& extraMoney)
    : settings_(settings), extraMoney_(extraMoney)
{
}

void ExtraMoneySetting::load(LoadReport&)
{
    settings_.sync();
    extraMoney_ = ExtraMoney::fromSetting(settings_.value(kKey, QStringLiteral("0")).toString());
}

FileSave ExtraMoneySetting::write()
{
    settings_.setValue(kKey, ExtraMoney::toSetting(extraMoney_));
    settings_.sync();
    if (settings_.status() == QSettings::NoError)
        return {};
    return {FileSave::Outcome::NotWritten, FileProblem::of(settings_.fileName(), QString()), {}};
}
