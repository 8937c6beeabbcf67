#pragma once

#include "store.h"

class QSettings;

// The payoff method the user chose last, kept in the settings by its id (see
// PayoffMethod) so that the next start selects it. It is written as soon as
// the choice changes, apart from Account::save().
class MethodSetting : public Store {
public:
    static inline const QString kKey = QStringLiteral("Settings/Method");

    MethodSetting(QSettings& settings, QString& method);

    QString name() const override { return kKey; }
    bool inDataFolder() const override { return false; }
    Part part() const override { return Part::Outside; }
    void load(LoadReport& report) override;
    FileSave write() override;

private:
    QSettings& settings_;
    QString& method_;
};
