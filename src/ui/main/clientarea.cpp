#include "clientarea.h"

#include "busyindicator.h"
#include "mainlayout.h"
#include "schedulegrid.h"
#include "totallabel.h"
#include "ui/common/controls.h"
#include "ui/common/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

// Designed left edges of the upper block, moved together by the resize rule.
constexpr int kDebtGridLeft = 120;
constexpr int kHintLeft = 210;
constexpr int kFramesLeft = 5520;
constexpr int kCommandsLeft = 8400;
constexpr int kScheduleTop = 2040;

using Controls::named;

} // namespace

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("clientArea"));
    createControls();
    placeControls();
}

void ClientArea::createControls()
{
    debtGrid = Controls::spoken(named(new QTableView(this), "fa"), QStringLiteral("Debts"),
                                QStringLiteral("Each debt: creditor, balance, rate, monthly "
                                               "payment and start date"));
    hint = named(new QLabel(QStringLiteral("( Right mouse click in the white space above to "
                                           "enter debt information )"),
                            this),
                 "Label2");

    methodFrame = named(new QGroupBox(QStringLiteral("Payoff Priority &Method:"), this), "Frame1");
    methodChooser = named(new QComboBox(methodFrame), "cbomethod");

    totalsFrame = named(new QGroupBox(this), "Frame2");
    named(new QLabel(QStringLiteral("Debt Balance:"), totalsFrame), "Label5")
        ->setGeometry(Twips::rect(120, 240, 1095, 255));
    named(new QLabel(QStringLiteral("Total Interest:"), totalsFrame), "Label3")
        ->setGeometry(Twips::rect(120, 600, 1095, 255));
    named(new QLabel(QStringLiteral("Total Payments:"), totalsFrame), "Label1")
        ->setGeometry(Twips::rect(120, 960, 1215, 255));
    totalBalance = new TotalLabel(totalsFrame, "lbltotal");
    totalInterest = new TotalLabel(totalsFrame, "lblinterest");
    totalPayments = new TotalLabel(totalsFrame, "lblpayments");

    exitButton = named(new QPushButton(QStringLiteral("E&xit"), this), "cmdexit");
    calculateButton = named(new QPushButton(QStringLiteral("&Calculate"), this), "cmdCalculate");
    exportButton = named(new QPushButton(QStringLiteral("&Export"), this), "cmdexport");
    printButton = named(new QPushButton(QStringLiteral("&Print"), this), "cmdprint");
    exportButton->setEnabled(false);
    printButton->setEnabled(false);

    scheduleGrid = Controls::spoken(
        named(new ScheduleGrid(this), "fav"), QStringLiteral("Schedule"),
        QStringLiteral("Month by month: the date, the balance left, the extra money, and each "
                       "debt's payment and balance"));
    busyIndicator = new BusyIndicator(this);
    busyIndicator->raise();

    setTabOrder(calculateButton, exitButton);
    setTabOrder(exitButton, exportButton);
    setTabOrder(exportButton, printButton);
    setTabOrder(printButton, methodChooser);
    setTabOrder(methodChooser, debtGrid);
    setTabOrder(debtGrid, scheduleGrid);
}

void ClientArea::placeControls()
{
    debtGrid->setGeometry(Twips::rect(kDebtGridLeft, 75, 5295, 1725));
    hint->setGeometry(Twips::rect(kHintLeft, 1815, 5220, 225));
    methodFrame->setGeometry(Twips::rect(kFramesLeft, 0, 2655, 735));
    methodChooser->setGeometry(Twips::rect(120, 240, 2415, 315));
    totalsFrame->setGeometry(Twips::rect(kFramesLeft, 600, 2655, 1335));
    totalBalance->setGeometry(Twips::rect(1320, 240, 1095, 255));
    totalInterest->setGeometry(Twips::rect(1320, 600, 1095, 255));
    totalPayments->setGeometry(Twips::rect(1320, 960, 1095, 255));
    exitButton->setGeometry(Twips::rect(kCommandsLeft, 120, 975, 375));
    calculateButton->setGeometry(Twips::rect(kCommandsLeft, 600, 975, 375));
    exportButton->setGeometry(Twips::rect(kCommandsLeft, 1080, 975, 375));
    printButton->setGeometry(Twips::rect(kCommandsLeft, 1560, 975, 375));
    busyIndicator->setGeometry(Twips::rect(3825, 3840, 2475, 735));
    scheduleGrid->setGeometry(Twips::rect(0, kScheduleTop, 9615, 4335));
}

void ClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void ClientArea::applyLayout()
{
    if (window()->isMinimized())
        return;
    const MainLayout layout =
        mainLayoutFor(Twips::fromPixels(width()), Twips::fromPixels(height()));
    const int gridHeight =
        layout.scheduleHeight ? Twips::toPixels(*layout.scheduleHeight) : scheduleGrid->height();
    scheduleGrid->resize(Twips::toPixels(layout.scheduleWidth), gridHeight);
    const auto moveLeft = [&](QWidget* widget, int designedLeft) {
        widget->move(Twips::toPixels(layout.offset + designedLeft), widget->y());
    };
    moveLeft(debtGrid, kDebtGridLeft);
    moveLeft(hint, kHintLeft);
    moveLeft(methodFrame, kFramesLeft);
    moveLeft(totalsFrame, kFramesLeft);
    for (QWidget* command : {exitButton, printButton, exportButton, calculateButton})
        moveLeft(command, kCommandsLeft);
}
