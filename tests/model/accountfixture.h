#pragma once

#include "model/account.h"
#include "support/scriptedprompter.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

// An account in a temporary program folder with a settings file of its own.
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

    QByteArray readData() const
    {
        QFile file(dataPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeData(const QByteArray& bytes) const
    {
        QFile file(dataPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // A record as debts.dat holds it, built byte by byte.
    static QByteArray record(const QByteArray& name, double balance, double rate, double monthly,
                             double startDate)
    {
        QByteArray bytes = name.leftJustified(100, ' ', true);
        for (const double value : {balance, rate, monthly, startDate}) {
            unsigned long long bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            for (int i = 0; i < 8; ++i)
                bytes.append(static_cast<char>((bits >> (8 * i)) & 0xFF));
        }
        return bytes;
    }
};
