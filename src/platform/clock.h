#pragma once

#include <QDate>

// Today's date is handed in, so that schedules can be computed for a fixed day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate day) : day_(day) {}
    QDate today() const override { return day_; }

private:
    QDate day_;
};
