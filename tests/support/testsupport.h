#pragma once

#include "platform/daydate.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <csignal>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/resource.h>

// The locale every test runs in unless it says otherwise.
inline const QLocale kUs(QLocale::English, QLocale::UnitedStates);
// The tests' today: years ahead, so that a stray read of the machine's clock
// shows in the results.
inline const QDate kToday(2046, 12, 6);

// Lets test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline double dayNumber(int year, int month, int day)
{
    return DayDate::fromDate(QDate(year, month, day));
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A folder in which nothing can be created, not even by root: sysfs takes
// no new files. A test that needs one skips without it.
inline const QString kUnwritableFolder = QStringLiteral("/sys");

// Makes a locale the default while it lives.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(previous_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale previous_;
};

// While it lives, writes past a small file-size limit fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};
