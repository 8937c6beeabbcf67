#include "ordersearch.h"

#include "platform/formats.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

OrderSearch::OrderSearch(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("orderSearch"));
}

QString OrderSearch::caption(long orders)
{
    return QStringLiteral("Searching: %1 orders")
        .arg(Format::wholeNumber(static_cast<double>(orders)));
}

LeastInterest::Found OrderSearch::run(const DebtArray& debts, const PayoffTerms& terms)
{
    searching_ = true;
    cancelled_ = false;
    std::atomic<long> orders{0};
    emit searched(0);
    LeastInterest::Control control;
    control.runs = &orders;
    control.keepGoing = [this] { return !cancelled_.load(std::memory_order_relaxed); };
    LeastInterest::Found found;
    const std::unique_ptr<QThread> thread(
        QThread::create([&] { found = LeastInterest::search(debts, terms, control); }));
    // The window's events go on while the search runs; its end arrives as
    // one of them, so it is never missed however soon it comes.
    QEventLoop loop;
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer report;
    connect(&report, &QTimer::timeout, this, [&] { emit searched(orders.load()); });
    report.start(kReportIntervalMs);
    thread->start();
    loop.exec();
    thread->wait();
    searching_ = false;
    return found;
}

void OrderSearch::cancel()
{
    if (searching_)
        cancelled_ = true;
}
