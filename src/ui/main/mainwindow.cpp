#include "mainwindow.h"

#include "busyindicator.h"
#include "calc/priorityorder.h"
#include "debtmenu.h"
#include "mainlayout.h"
#include "model/account.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "schedulegrid.h"
#include "scheduleoutput.h"
#include "totallabel.h"
#include "ui/about/aboutdialog.h"
#include "ui/common/accountmessages.h"
#include "ui/common/celldelegate.h"
#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/gridstyle.h"
#include "ui/common/plannames.h"
#include "ui/common/savechange.h"
#include "ui/common/twips.h"
#include "ui/compare/comparewindow.h"
#include "ui/plan/paymentplandialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>

namespace {

constexpr int kClientWidth = 9480;
constexpr int kClientHeight = 6435;

// Designed left edges of the upper block, moved together by the resize rule.
constexpr int kDebtGridLeft = 120;
constexpr int kHintLeft = 210;
constexpr int kFramesLeft = 5520;
constexpr int kCommandsLeft = 8400;
constexpr int kScheduleTop = 2040;

constexpr int kDebtColumnWidths[DebtListModel::kColumnCount] = {1400, 900, 700, 900, 1000};

const QString kLoading = QStringLiteral("Loading...");
// "mony" is how the message has always read; users know it so.
const QString kNeverDecreases = QStringLiteral(
    "The balance will never decrease unless you add extra mony towards paying off your debts.");

using Controls::named;

} // namespace

MainWindow::MainWindow(Account& account, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QWidget(parent), account_(account), prompter_(prompter), clock_(clock),
      debtList_(account.debts()), scheduleText_(schedule_), scheduleModel_(scheduleText_),
      calculation_(schedule_, clock), debtCommands_(account, prompter, clock, this)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setFont(Fonts::sansSerif(Fonts::kWindowPoints));
    createControls();
    placeControls();
    resize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&debtList_, signal, this, &MainWindow::debtsChanged);
    connect(&debtList_, &QAbstractItemModel::dataChanged, this, &MainWindow::debtsChanged);
    connect(&debtList_, &QAbstractItemModel::modelReset, this, &MainWindow::debtsChanged);
    connect(busyIndicator_, &BusyIndicator::busyChanged, this, &MainWindow::updateCommands);
    connect(&calculation_, &ScheduleCalculation::progressed, this, [this](double percentPaid) {
        busyIndicator_->setCaption(ScheduleCalculation::caption(percentPaid));
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::createDebtGrid()
{
    debtGrid_ = named(new QTableView(this), "fa");
    debtGrid_->setModel(&debtList_);
    GridStyle::apply(*debtGrid_);
    debtGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    debtGrid_->horizontalHeader()->setHighlightSections(false);
    debtGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    debtGrid_->horizontalHeader()->setFixedHeight(Twips::toPixels(GridStyle::kRowHeightTwips));
    debtGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    debtGrid_->setItemDelegate(new CellDelegate(debtGrid_));
    // The right button and the menu key over the cells or the white space
    // open the debt menu; over the header or the scroll bar, nothing.
    debtGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(debtGrid_, &QWidget::customContextMenuRequested, this, &MainWindow::openDebtMenu);
    debtGrid_->verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    // Shift+F10 is the other menu key, which Qt leaves to the widget.
    debtGrid_->installEventFilter(this);
    // The selected debt stays visibly selected while another control has the focus.
    QPalette palette = debtGrid_->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    debtGrid_->setPalette(palette);
}

void MainWindow::createMenu()
{
    debtMenu_ = new DebtMenu(this);
    connect(debtMenu_->addItem, &QAction::triggered, this, [this] { debtCommands_.add(); });
    connect(debtMenu_->editItem, &QAction::triggered, this,
            [this] { debtCommands_.edit(currentDebtKey()); });
    connect(debtMenu_->deleteItem, &QAction::triggered, this,
            [this] { debtCommands_.remove(currentDebtKey()); });
    connect(debtMenu_->extraMoneyItem, &QAction::triggered, this,
            [this] { debtCommands_.askExtraMoney(); });
    connect(debtMenu_->compareItem, &QAction::triggered, this, &MainWindow::comparePlans);
    connect(debtMenu_->planItem, &QAction::triggered, this, &MainWindow::editPlan);
    connect(debtMenu_->aboutItem, &QAction::triggered, this, &MainWindow::showAbout);
    // No access key of the window uses M.
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this, this, &MainWindow::comparePlans);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this, this, &MainWindow::editPlan);
}

void MainWindow::createControls()
{
    createDebtGrid();
    createMenu();
    hintLabel_ = named(new QLabel(QStringLiteral("( Right mouse click in the white space above to "
                                                 "enter debt information )"),
                                  this),
                       "Label2");

    methodFrame_ = named(new QGroupBox(QStringLiteral("Payoff Priority Method:"), this), "Frame1");
    methodChooser_ = named(new QComboBox(methodFrame_), "cbomethod");
    for (const Plan plan : kPlans) {
        if (plan != Plan::MinimumsOnly)
            methodChooser_->addItem(planName(plan), QVariant::fromValue(plan));
    }

    totalsFrame_ = named(new QGroupBox(this), "Frame2");
    named(new QLabel(QStringLiteral("Debt Balance:"), totalsFrame_), "Label5")
        ->setGeometry(Twips::rect(120, 240, 1095, 255));
    named(new QLabel(QStringLiteral("Total Interest:"), totalsFrame_), "Label3")
        ->setGeometry(Twips::rect(120, 600, 1095, 255));
    named(new QLabel(QStringLiteral("Total Payments:"), totalsFrame_), "Label1")
        ->setGeometry(Twips::rect(120, 960, 1215, 255));
    totalBalanceLabel_ = new TotalLabel(totalsFrame_, "lbltotal");
    totalInterestLabel_ = new TotalLabel(totalsFrame_, "lblinterest");
    totalPaymentsLabel_ = new TotalLabel(totalsFrame_, "lblpayments");

    exitButton_ = named(new QPushButton(QStringLiteral("E&xit"), this), "cmdexit");
    calculateButton_ = named(new QPushButton(QStringLiteral("&Calculate"), this), "cmdCalculate");
    exportButton_ = named(new QPushButton(QStringLiteral("&Export"), this), "cmdexport");
    printButton_ = named(new QPushButton(QStringLiteral("&Print"), this), "cmdprint");
    exportButton_->setEnabled(false);
    printButton_->setEnabled(false);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(printButton_, &QPushButton::clicked, this, &MainWindow::printSchedule);
    connect(exportButton_, &QPushButton::clicked, this, &MainWindow::exportSchedule);

    scheduleGrid_ = named(new ScheduleGrid(this), "fav");
    scheduleGrid_->setScheduleModel(&scheduleModel_);

    busyIndicator_ = new BusyIndicator(this);
    busyIndicator_->setCaption(kLoading);
    busyIndicator_->raise();

    setTabOrder(calculateButton_, exitButton_);
    setTabOrder(exitButton_, exportButton_);
    setTabOrder(exportButton_, printButton_);
    setTabOrder(printButton_, methodChooser_);
    setTabOrder(methodChooser_, debtGrid_);
    setTabOrder(debtGrid_, scheduleGrid_);
}

void MainWindow::placeControls()
{
    debtGrid_->setGeometry(Twips::rect(kDebtGridLeft, 75, 5295, 1725));
    hintLabel_->setGeometry(Twips::rect(kHintLeft, 1815, 5220, 225));
    methodFrame_->setGeometry(Twips::rect(kFramesLeft, 0, 2655, 735));
    methodChooser_->setGeometry(Twips::rect(120, 240, 2415, 315));
    totalsFrame_->setGeometry(Twips::rect(kFramesLeft, 600, 2655, 1335));
    totalBalanceLabel_->setGeometry(Twips::rect(1320, 240, 1095, 255));
    totalInterestLabel_->setGeometry(Twips::rect(1320, 600, 1095, 255));
    totalPaymentsLabel_->setGeometry(Twips::rect(1320, 960, 1095, 255));
    exitButton_->setGeometry(Twips::rect(kCommandsLeft, 120, 975, 375));
    calculateButton_->setGeometry(Twips::rect(kCommandsLeft, 600, 975, 375));
    exportButton_->setGeometry(Twips::rect(kCommandsLeft, 1080, 975, 375));
    printButton_->setGeometry(Twips::rect(kCommandsLeft, 1560, 975, 375));
    busyIndicator_->setGeometry(Twips::rect(3825, 3840, 2475, 735));
    scheduleGrid_->setGeometry(Twips::rect(0, kScheduleTop, 9615, 4335));
}

void MainWindow::initializeGrids()
{
    for (int column = 0; column < DebtListModel::kColumnCount; ++column)
        debtGrid_->setColumnWidth(column, Twips::toPixels(kDebtColumnWidths[column]));
    schedule_.clear();
    scheduleModel_.scheduleChanged();
}

void MainWindow::load()
{
    initializeGrids();
    methodChooser_->setCurrentIndex(0);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    const BusyIndicator::Session session(*busyIndicator_, kLoading);
    show();
    QCoreApplication::processEvents();
    AccountMessages::show(prompter_, AccountMessages::forLoad(account_.load()));
}

void MainWindow::updateCommands()
{
    const bool idle = !isBusy();
    const bool hasDebts = account_.debts().count() > 0;
    calculateButton_->setEnabled(idle && hasDebts);
    printButton_->setEnabled(idle && hasDebts && schedulePrintable_);
    exportButton_->setEnabled(idle && hasDebts && schedulePrintable_);
}

void MainWindow::debtsChanged()
{
    double total = 0.0;
    for (const Debt& debt : account_.debts())
        total += debt.balance;
    totalBalanceLabel_->setAmount(Format::currency(total));
    const bool hasDebts = debtList_.rowCount() > 0;
    if (!hasDebts)
        schedulePrintable_ = false;
    // No row is highlighted in an empty list; once there are debts one
    // always is, so a right-click below the rows has a debt to act on.
    debtGrid_->setSelectionMode(hasDebts ? QAbstractItemView::SingleSelection
                                         : QAbstractItemView::NoSelection);
    if (hasDebts)
        debtGrid_->selectRow(qMax(debtGrid_->currentIndex().row(), 0));
    updateCommands();
}

Plan MainWindow::chosenPlan() const
{
    return methodChooser_->currentData().value<Plan>();
}

void MainWindow::calculate()
{
    if (isBusy() || account_.debts().count() == 0)
        return;
    const auto flawed = account_.debts().flawedDebts();
    if (!flawed.empty()) {
        prompter_.showMessage(AccountMessages::cannotCalculate(flawed));
        return;
    }
    const BusyIndicator::Session session(*busyIndicator_, ScheduleCalculation::caption(0));
    schedule_.clear();
    scheduleModel_.scheduleChanged();
    totalInterestLabel_->setAmount({});
    totalPaymentsLabel_->setAmount({});
    QCoreApplication::processEvents();

    const DebtArray ordered =
        PlanComparison::orderFor(account_.debts(), chosenPlan(), account_.plan());
    debtList_.showInPaymentOrder(ordered);
    exitButton_->setFocus();
    const PayoffSimulation::Result result =
        calculation_.run(ordered, account_.extraMoney(), PlanRules(account_.plan(), ordered));
    scheduleModel_.scheduleChanged();
    schedulePrintable_ = schedule_.monthCount() > 0;
    showOutcome(result);
}

void MainWindow::showOutcome(const PayoffSimulation::Result& result)
{
    switch (result.outcome) {
    case PayoffSimulation::Outcome::PaidOff:
        totalInterestLabel_->setAmount(Format::currency(result.totalInterest));
        totalPaymentsLabel_->setAmount(Format::currency(result.totalPayments));
        break;
    case PayoffSimulation::Outcome::NeverDecreases:
    case PayoffSimulation::Outcome::TooLong:
        prompter_.showMessage(kNeverDecreases);
        break;
    case PayoffSimulation::Outcome::Cancelled:
        break;
    }
}

void MainWindow::printSchedule()
{
    ScheduleOutput(schedule_, *busyIndicator_, prompter_, clock_).print();
}

void MainWindow::exportSchedule()
{
    ScheduleOutput(schedule_, *busyIndicator_, prompter_, clock_).exportTo(account_.dataFolder());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == debtGrid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            const QModelIndex current = debtGrid_->currentIndex();
            const QRect below(0, debtGrid_->viewport()->height() - 1, 1, 1);
            openDebtMenu((current.isValid() ? debtGrid_->visualRect(current) : below).center());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::openDebtMenu(const QPoint& viewportPosition)
{
    if (isBusy())
        return;
    // The row under the pointer, by height alone: a point right of the last
    // column still names its row. Below the rows the current row stays.
    const int row = debtGrid_->rowAt(viewportPosition.y());
    if (row >= 0)
        debtGrid_->selectRow(row);
    std::optional<QString> current;
    if (debtList_.rowCount() > 0)
        current = currentDebtKey();
    debtMenu_->prepare(current, account_.extraMoney());
    debtMenu_->popup(debtGrid_->viewport()->mapToGlobal(viewportPosition));
}

bool MainWindow::isBusy() const
{
    return busyIndicator_->isBusy();
}

QString MainWindow::currentDebtKey() const
{
    const int row = qMax(debtGrid_->currentIndex().row(), 0);
    return debtList_.index(row, DebtListModel::CreditorColumn)
        .data(DebtListModel::KeyRole)
        .toString();
}

void MainWindow::comparePlans()
{
    if (isBusy())
        return;
    const Plan chosen = chosenPlan();
    CompareWindow compare(account_, prompter_, clock_, chosen, this);
    compare.exec();
}

void MainWindow::editPlan()
{
    if (isBusy())
        return;
    PaymentPlanDialog dialog(account_.plan(), account_.debts(), account_.extraMoney(),
                             clock_.today(), prompter_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Account::Snapshot before = account_.snapshot();
    account_.setPlan(dialog.plan());
    saveChange(account_, prompter_, before, Change::Plan);
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (isBusy())
        calculation_.cancel();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        applyLayout();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void MainWindow::applyLayout()
{
    if (isMinimized())
        return;
    const MainLayout layout =
        mainLayoutFor(Twips::fromPixels(width()), Twips::fromPixels(height()));
    const int gridHeight =
        layout.scheduleHeight ? Twips::toPixels(*layout.scheduleHeight) : scheduleGrid_->height();
    scheduleGrid_->resize(Twips::toPixels(layout.scheduleWidth), gridHeight);
    const auto moveLeft = [&](QWidget* widget, int designedLeft) {
        widget->move(Twips::toPixels(layout.offset + designedLeft), widget->y());
    };
    moveLeft(debtGrid_, kDebtGridLeft);
    moveLeft(hintLabel_, kHintLeft);
    moveLeft(methodFrame_, kFramesLeft);
    moveLeft(totalsFrame_, kFramesLeft);
    for (QWidget* command : {exitButton_, printButton_, exportButton_, calculateButton_})
        moveLeft(command, kCommandsLeft);
}
