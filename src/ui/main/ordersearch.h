#pragma once

#include "calc/leastinterest.h"

#include <QObject>
#include <atomic>

// Calculate's search for the order of least interest. It runs off the
// window's thread while the window goes on handling its events, tells how
// many orders it has tried every so often, and stops when cancelled (Esc, the
// busy button, closing the window).
class OrderSearch : public QObject {
    Q_OBJECT

public:
    static constexpr int kReportIntervalMs = 100;

    explicit OrderSearch(QObject* parent = nullptr);

    // What the busy indicator says once this many orders were tried.
    static QString caption(long orders);

    // Searches the debts, in the list's order, on these terms; returns once
    // the search ends or is cancelled.
    LeastInterest::Found run(const DebtArray& debts, const PayoffTerms& terms);
    // Stops the search under way; nothing when none is.
    void cancel();

signals:
    // The orders tried so far: 0 as the search begins, before its first
    // run, so that a cancel at once stops it before it tries any.
    void searched(long orders);

private:
    bool searching_ = false;
    std::atomic<bool> cancelled_{false};
};
