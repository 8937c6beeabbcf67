#include "progresswindow.h"

#include "model/account.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "progresschart.h"
#include "progresswords.h"
#include "ui/common/controls.h"
#include "ui/common/listtable.h"
#include "ui/common/modelinput.h"
#include "ui/common/savepath.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Controls::named;

const QString kNone = QStringLiteral("-");

QString monthOf(double paydate)
{
    return paydate == 0 ? kNone : Format::monthYear(paydate);
}

QString monthName(YearMonth month)
{
    return Format::monthYear(DayDate::fromDate(month.firstDay()));
}

} // namespace

ProgressWindow::ProgressWindow(const Account& account, Prompter& prompter, QDate today,
                               std::function<void(YearMonth)> recordMonth, QWidget* parent)
    : QDialog(parent), account_(account), prompter_(prompter), today_(today),
      recordMonth_(std::move(recordMonth))
{
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(QStringLiteral("Progress"));
    createControls();
    refresh();
    resize(900, 720);
}

void ProgressWindow::createControls()
{
    headline_ = named(new QLabel(this), "headline");
    headline_->setWordWrap(true);
    QFont bold = headline_->font();
    bold.setBold(true);
    headline_->setFont(bold);
    figures_ = ListTable::create(this, "figures",
                                 {QString(), QStringLiteral("So Far"), QStringLiteral("Planned"),
                                  QStringLiteral("Difference")});
    Controls::spoken(figures_, QStringLiteral("Progress so far against the plan"));
    chart_ =
        Controls::spoken(named(new ProgressChart(this), "chart"), QStringLiteral("Progress chart"),
                         QStringLiteral("The balance left as planned and as recorded"));
    debts_ = ListTable::create(this, "debts",
                               {QStringLiteral("Creditor"), QStringLiteral("Planned Payoff"),
                                QStringLiteral("Projected Payoff"), QStringLiteral("Paid So Far"),
                                QStringLiteral("Interest So Far"), QStringLiteral("Note")});
    Controls::spoken(debts_, QStringLiteral("Debts"));
    missed_ = named(new QLabel(this), "missed");
    missed_->setWordWrap(true);
    recordMissed_ = Controls::spoken(named(new QPushButton(this), "recordMissed"),
                                     QStringLiteral("Record the earliest missed month"));
    connect(recordMissed_, &QPushButton::clicked, this, [this] {
        if (!progress_.missed.empty())
            recordMonth_(progress_.missed.front());
        refresh();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* save =
        named(buttons->addButton(QStringLiteral("&Save Chart..."), QDialogButtonBox::ActionRole),
              "saveChart");
    connect(save, &QPushButton::clicked, this, &ProgressWindow::saveChart);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    figures_->horizontalHeader()->setStretchLastSection(false);
    figures_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    chart_->setMinimumHeight(300);
    auto* upper = new QHBoxLayout;
    upper->addWidget(figures_, 0, Qt::AlignTop);
    upper->addWidget(chart_, 1);
    auto* missedRow = new QHBoxLayout;
    missedRow->addWidget(missed_, 1);
    missedRow->addWidget(recordMissed_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headline_);
    layout->addLayout(upper);
    layout->addWidget(debts_, 1);
    layout->addLayout(missedRow);
    layout->addWidget(buttons);
}

void ProgressWindow::refresh()
{
    const PaymentHistory& history = account_.history();
    if (!history.followed())
        return;
    progress_ =
        ProgressCheck::of(followedFiguresOf(*history.followed()), recordFiguresOf(history.months()),
                          debtFiguresOf(account_.debts()),
                          {account_.extraMoney(), 0.0, planRulesOf(account_.plan())}, today_);
    headline_->setText(ProgressWords::headline(progress_));
    showFigures();
    chart_->setProgress(progress_);
    showDebts();
    QStringList missed;
    for (const YearMonth month : progress_.missed)
        missed.append(QStringLiteral("%1 not recorded").arg(monthName(month)));
    missed_->setText(missed.join(QStringLiteral("; ")));
    recordMissed_->setVisible(!progress_.missed.empty());
    if (!progress_.missed.empty())
        recordMissed_->setText(
            QStringLiteral("&Record %1...").arg(monthName(progress_.missed.front())));
}

void ProgressWindow::showFigures()
{
    const auto money = [](double amount) { return Format::currency(amount); };
    const auto share = [](double part) { return Format::percent(part); };
    const struct {
        QString what;
        double sofar, planned;
        QString (*shown)(double);
    } rows[] = {
        {QStringLiteral("Paid"), progress_.paid, progress_.plannedPaid, money},
        {QStringLiteral("Interest and charges"), progress_.interest, progress_.plannedInterest,
         money},
        {QStringLiteral("Share paid off"), progress_.shareOff, progress_.plannedShareOff, share},
    };
    figures_->setRowCount(static_cast<int>(std::size(rows)));
    for (int row = 0; row < figures_->rowCount(); ++row) {
        const auto& r = rows[row];
        ListTable::setRow(
            figures_, row,
            {r.what, r.shown(r.sofar), r.shown(r.planned), r.shown(r.sofar - r.planned)}, true);
    }
    figures_->resizeColumnsToContents();
    // Three rows of figures need no room to scroll.
    const int frame = 2 * figures_->frameWidth();
    figures_->setFixedSize(figures_->horizontalHeader()->length() + frame,
                           figures_->horizontalHeader()->height() +
                               figures_->verticalHeader()->length() + frame);
}

void ProgressWindow::showDebts()
{
    debts_->setRowCount(static_cast<int>(progress_.debts.size()));
    for (int row = 0; row < debts_->rowCount(); ++row) {
        const DebtProgress& debt = progress_.debts[static_cast<size_t>(row)];
        const QString projected = debt.paidOffOn != 0         ? QStringLiteral("Paid off")
                                  : !debt.inList              ? kNone
                                  : debt.projectedPayoff != 0 ? monthOf(debt.projectedPayoff)
                                  : progress_.standing == Progress::Standing::NothingRecorded
                                      ? kNone
                                      : QStringLiteral("Never");
        const QString note = !debt.inPlan   ? QStringLiteral("Added after your plan")
                             : !debt.inList ? QStringLiteral("Deleted")
                                            : QString();
        ListTable::setRow(debts_, row,
                          {debt.name, debt.inPlan ? monthOf(debt.plannedPayoff) : kNone, projected,
                           Format::currency(debt.paid), Format::currency(debt.interest), note},
                          true);
    }
    debts_->resizeColumnsToContents();
}

void ProgressWindow::saveChart()
{
    saveChartImage(prompter_, *chart_, QStringLiteral("progress-chart.png"));
}
