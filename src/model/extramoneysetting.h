#pragma once

#include "store.h"

class QSettings;

// The extra money per month, kept in the user's settings rather than the
// data folder, written with a period so that every locale reads it back (see
// ExtraMoney).
class ExtraMoneySetting : public Store {
public:
    // Misspelt, and kept so: the extra money of every earlier version is
    // stored under this key.
    static inline const QString kKey = QStringLiteral("Settings/Excees Funds");

    ExtraMoneySetting(QSettings& settings, double& extraMoney);

    QString name() const override { return kKey; }
    bool inDataFolder() const override { return false; }
    Part part() const override { return Part::Alone; }
    void load(LoadReport& report) override;
    FileSave write() override;

private:
    QSettings& settings_;
    double& extraMoney_;
};
