#pragma once

#include "model/account.h"
#include "support/scriptedprompter.h"
#include "support/testsupport.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <memory>

// An account in a temporary data folder with a settings file of its own.
class AccountFixture : public testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath("settings.ini"), QSettings::IniFormat};
    ScriptedPrompter prompter;
    std::unique_ptr<Account> account = newAccount();

    std::unique_ptr<Account> newAccount()
    {
        return std::make_unique<Account>(prompter, folder.path(), settings);
    }
    QString dataPath() const { return folder.filePath("debts.dat"); }
    QByteArray readData() const { return readFile(dataPath()); }
    void writeData(const QByteArray& bytes) const { writeFile(dataPath(), bytes); }

    // A record as debts.dat holds it, built byte by byte.
    static QByteArray record(const QByteArray& name, double balance, double rate = 0,
                             double monthly = 1, double startDate = 0)
    {
        QByteArray bytes = name.leftJustified(100, ' ', true);
        for (const double value : {balance, rate, monthly, startDate}) {
            quint64 bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            bits = qToLittleEndian(bits);
            bytes.append(reinterpret_cast<const char*>(&bits), sizeof bits);
        }
        return bytes;
    }
};
