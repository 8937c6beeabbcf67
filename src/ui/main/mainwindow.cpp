#include "mainwindow.h"

#include "busyindicator.h"
#include "clientarea.h"
#include "debtmenu.h"
#include "mainmenubar.h"
#include "mainstatusbar.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "schedulegrid.h"
#include "scheduleoutput.h"
#include "totallabel.h"
#include "ui/about/aboutdialog.h"
#include "ui/common/accountmessages.h"
#include "ui/common/celldelegate.h"
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
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

namespace {

constexpr int kDebtColumnWidths[DebtListModel::kColumnCount] = {1400, 900, 700, 900, 1000};

const QString kLoading = QStringLiteral("Loading...");
// "mony" is how the message has always read; users know it so.
const QString kNeverDecreases = QStringLiteral(
    "The balance will never decrease unless you add extra mony towards paying off your debts.");

} // namespace

MainWindow::MainWindow(Account& account, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QMainWindow(parent), account_(account), prompter_(prompter), clock_(clock),
      debtList_(account.debts()), scheduleText_(schedule_), scheduleModel_(scheduleText_),
      calculation_(schedule_, clock), debtCommands_(account, prompter, clock, this),
      client_(new ClientArea(this)), menus_(new MainMenuBar(this)), status_(new MainStatusBar(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setFont(Fonts::sansSerif(Fonts::kWindowPoints));
    setCentralWidget(client_);
    setMenuBar(menus_);
    setStatusBar(status_);
    prepareDebtGrid();
    createDebtMenu();
    connectCommands();
    for (const Plan plan : kPlans) {
        if (plan != Plan::MinimumsOnly)
            client_->methodChooser->addItem(planName(plan), QVariant::fromValue(plan));
    }
    client_->scheduleGrid->setScheduleModel(&scheduleModel_);
    client_->busyIndicator->setCaption(kLoading);
    // The window grows by the heights of its two bars around the client area.
    resize(Twips::toPixels(ClientArea::kWidthTwips), Twips::toPixels(ClientArea::kHeightTwips) +
                                                         menus_->sizeHint().height() +
                                                         status_->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::prepareDebtGrid()
{
    QTableView* grid = client_->debtGrid;
    grid->setModel(&debtList_);
    GridStyle::apply(*grid);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setTabKeyNavigation(false); // Tab leaves the grid; the arrows move in it
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setFixedHeight(Twips::toPixels(GridStyle::kRowHeightTwips));
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new CellDelegate(grid));
    // The right button and the menu key over the cells or the white space
    // open the debt menu; over the header or the scroll bar, nothing.
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, &MainWindow::openDebtMenu);
    grid->verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    grid->installEventFilter(this);
    // The selected debt stays visibly selected while another control has the focus.
    QPalette palette = grid->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    grid->setPalette(palette);
    connect(&debtList_, &QAbstractItemModel::rowsInserted, this, &MainWindow::debtsChanged);
    connect(&debtList_, &QAbstractItemModel::rowsRemoved, this, &MainWindow::debtsChanged);
    connect(&debtList_, &QAbstractItemModel::dataChanged, this, &MainWindow::debtsChanged);
    connect(&debtList_, &QAbstractItemModel::modelReset, this, &MainWindow::debtsChanged);
}

void MainWindow::createDebtMenu()
{
    debtMenu_ = new DebtMenu(this);
    connect(debtMenu_->addItem, &QAction::triggered, this, [this] { change(&DebtCommands::add); });
    connect(debtMenu_->editItem, &QAction::triggered, this,
            [this] { changeCurrent(&DebtCommands::edit); });
    connect(debtMenu_->deleteItem, &QAction::triggered, this,
            [this] { changeCurrent(&DebtCommands::remove); });
    connect(debtMenu_->extraMoneyItem, &QAction::triggered, this,
            [this] { change(&DebtCommands::askExtraMoney); });
    connect(debtMenu_->compareItem, &QAction::triggered, this, &MainWindow::comparePlans);
    connect(debtMenu_->planItem, &QAction::triggered, this, &MainWindow::editPlan);
    connect(debtMenu_->aboutItem, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::connectCommands()
{
    connect(client_->exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(client_->calculateButton, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(client_->printButton, &QPushButton::clicked, this, &MainWindow::printSchedule);
    connect(client_->exportButton, &QPushButton::clicked, this, &MainWindow::exportSchedule);
    connect(menus_->printWithDialog, &QAction::triggered, this, &MainWindow::printWithDialog);
    connect(menus_->printToDefault, &QAction::triggered, this, &MainWindow::printSchedule);
    connect(menus_->exportTab, &QAction::triggered, this, &MainWindow::exportSchedule);
    connect(menus_->exportPdf, &QAction::triggered, this, &MainWindow::exportPdf);
    connect(menus_->quit, &QAction::triggered, this, &QWidget::close);
    connect(menus_->addDebt, &QAction::triggered, debtMenu_->addItem, &QAction::trigger);
    connect(menus_->editDebt, &QAction::triggered, debtMenu_->editItem, &QAction::trigger);
    connect(menus_->deleteDebt, &QAction::triggered, debtMenu_->deleteItem, &QAction::trigger);
    connect(menus_->extraMoney, &QAction::triggered, debtMenu_->extraMoneyItem, &QAction::trigger);
    connect(menus_->paymentPlan, &QAction::triggered, this, &MainWindow::editPlan);
    connect(menus_->calculate, &QAction::triggered, this, &MainWindow::calculate);
    connect(menus_->comparePlans, &QAction::triggered, this, &MainWindow::comparePlans);
    connect(menus_->about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(client_->busyIndicator, &BusyIndicator::busyChanged, this, &MainWindow::updateCommands);
    connect(client_->methodChooser, &QComboBox::currentIndexChanged, this,
            &MainWindow::updateStatus);
    connect(&calculation_, &ScheduleCalculation::progressed, this, [this](double percentPaid) {
        client_->busyIndicator->setCaption(ScheduleCalculation::caption(percentPaid));
    });
}

void MainWindow::initializeGrids()
{
    for (int column = 0; column < DebtListModel::kColumnCount; ++column)
        client_->debtGrid->setColumnWidth(column, Twips::toPixels(kDebtColumnWidths[column]));
    schedule_.clear();
    scheduleModel_.scheduleChanged();
}

void MainWindow::load()
{
    initializeGrids();
    client_->methodChooser->setCurrentIndex(0);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    const BusyIndicator::Session session(*client_->busyIndicator, kLoading);
    show();
    QCoreApplication::processEvents();
    AccountMessages::show(prompter_, AccountMessages::forLoad(account_.load()));
    updateStatus();
}

bool MainWindow::isBusy() const
{
    return client_->busyIndicator->isBusy();
}

bool MainWindow::hasDebts() const
{
    return account_.debts().count() > 0;
}

void MainWindow::updateCommands()
{
    const bool idle = !isBusy();
    const bool printable = idle && hasDebts() && schedulePrintable_;
    client_->calculateButton->setEnabled(idle && hasDebts());
    menus_->calculate->setEnabled(idle && hasDebts());
    for (QPushButton* button : {client_->printButton, client_->exportButton})
        button->setEnabled(printable);
    for (QAction* action :
         {menus_->printWithDialog, menus_->printToDefault, menus_->exportTab, menus_->exportPdf})
        action->setEnabled(printable);
    for (QAction* action : {menus_->editDebt, menus_->deleteDebt})
        action->setEnabled(idle && hasDebts());
    for (QAction* action :
         {menus_->addDebt, menus_->extraMoney, menus_->paymentPlan, menus_->comparePlans})
        action->setEnabled(idle);
}

void MainWindow::debtsChanged()
{
    double total = 0.0;
    for (const Debt& debt : account_.debts())
        total += debt.balance;
    client_->totalBalance->setAmount(Format::currency(total));
    if (!hasDebts())
        schedulePrintable_ = false;
    // No row is highlighted in an empty list; once there are debts one
    // always is, so a right-click below the rows has a debt to act on.
    QTableView* grid = client_->debtGrid;
    grid->setSelectionMode(debtList_.rowCount() > 0 ? QAbstractItemView::SingleSelection
                                                    : QAbstractItemView::NoSelection);
    if (debtList_.rowCount() > 0)
        grid->selectRow(qMax(grid->currentIndex().row(), 0));
    updateCommands();
    updateStatus();
}

void MainWindow::updateStatus()
{
    const double setting = account_.extraMoney();
    const YearMonth next =
        YearMonth::of(DayDate::fromDate(clock_.today().addMonths(1))).value_or(YearMonth{});
    status_->showExtraMoney(setting, PlanRules(account_.plan(), {}).extraMoney(setting, next));
    if (calculatedFrom_)
        status_->setStale(!(calculatedFrom_->account == account_.snapshot()) ||
                          calculatedFrom_->plan != chosenPlan());
}

Plan MainWindow::chosenPlan() const
{
    return client_->methodChooser->currentData().value<Plan>();
}

void MainWindow::calculate()
{
    if (isBusy() || !hasDebts())
        return;
    const auto flawed = account_.debts().flawedDebts();
    if (!flawed.empty()) {
        prompter_.showMessage(AccountMessages::cannotCalculate(flawed));
        return;
    }
    {
        const BusyIndicator::Session session(*client_->busyIndicator,
                                             ScheduleCalculation::caption(0));
        schedule_.clear();
        scheduleModel_.scheduleChanged();
        client_->totalInterest->setAmount({});
        client_->totalPayments->setAmount({});
        QCoreApplication::processEvents();

        const DebtArray ordered =
            PlanComparison::orderFor(account_.debts(), chosenPlan(), account_.plan());
        debtList_.showInPaymentOrder(ordered);
        client_->exitButton->setFocus();
        const PayoffSimulation::Result result =
            calculation_.run(ordered, account_.extraMoney(), PlanRules(account_.plan(), ordered));
        scheduleModel_.scheduleChanged();
        schedulePrintable_ = schedule_.monthCount() > 0;
        calculatedFrom_ = Calculated{account_.snapshot(), chosenPlan()};
        showOutcome(result);
    }
    // Back on Calculate, where a Space calculates again, not on Exit.
    client_->calculateButton->setFocus();
}

void MainWindow::showOutcome(const PayoffSimulation::Result& result)
{
    status_->showOutcome(
        result, schedule_.monthCount() > 0 ? schedule_.paydate(schedule_.monthCount() - 1) : 0.0);
    switch (result.outcome) {
    case PayoffSimulation::Outcome::PaidOff:
        client_->totalInterest->setAmount(Format::currency(result.totalInterest));
        client_->totalPayments->setAmount(Format::currency(result.totalPayments));
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
    if (client_->printButton->isEnabled())
        ScheduleOutput(schedule_, *client_->busyIndicator, prompter_, clock_).print();
}

void MainWindow::printWithDialog()
{
    if (client_->printButton->isEnabled())
        ScheduleOutput(schedule_, *client_->busyIndicator, prompter_, clock_).printWithDialog(this);
}

void MainWindow::exportSchedule()
{
    if (client_->exportButton->isEnabled())
        ScheduleOutput(schedule_, *client_->busyIndicator, prompter_, clock_)
            .exportTo(account_.dataFolder());
}

void MainWindow::exportPdf()
{
    if (client_->printButton->isEnabled())
        ScheduleOutput(schedule_, *client_->busyIndicator, prompter_, clock_).exportPdf();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_->debtGrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (debtGridKey(key->key(), key->modifiers()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::debtGridKey(int key, Qt::KeyboardModifiers modifiers)
{
    QTableView* grid = client_->debtGrid;
    if (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        // The other menu key, which Qt leaves to the widget.
        const QModelIndex current = grid->currentIndex();
        const QRect below(0, grid->viewport()->height() - 1, 1, 1);
        openDebtMenu((current.isValid() ? grid->visualRect(current) : below).center());
        return true;
    }
    if (modifiers != Qt::NoModifier && modifiers != Qt::KeypadModifier)
        return false;
    switch (key) {
    case Qt::Key_Insert:
        debtMenu_->addItem->trigger();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (hasDebts())
            debtMenu_->editItem->trigger();
        return true;
    case Qt::Key_Delete:
        if (hasDebts())
            debtMenu_->deleteItem->trigger();
        return true;
    default:
        return false;
    }
}

void MainWindow::openDebtMenu(const QPoint& viewportPosition)
{
    if (isBusy())
        return;
    QTableView* grid = client_->debtGrid;
    // The row under the pointer, by height alone: a point right of the last
    // column still names its row. Below the rows the current row stays.
    const int row = grid->rowAt(viewportPosition.y());
    if (row >= 0)
        grid->selectRow(row);
    std::optional<QString> current;
    if (debtList_.rowCount() > 0)
        current = currentDebtKey();
    debtMenu_->prepare(current, account_.extraMoney());
    debtMenu_->popup(grid->viewport()->mapToGlobal(viewportPosition));
}

QString MainWindow::currentDebtKey() const
{
    const int row = qMax(client_->debtGrid->currentIndex().row(), 0);
    return debtList_.index(row, DebtListModel::CreditorColumn)
        .data(DebtListModel::KeyRole)
        .toString();
}

void MainWindow::change(void (DebtCommands::*command)())
{
    if (isBusy())
        return;
    (debtCommands_.*command)();
    updateStatus();
}

void MainWindow::changeCurrent(void (DebtCommands::*command)(const QString& key))
{
    if (isBusy() || debtList_.rowCount() == 0)
        return;
    (debtCommands_.*command)(currentDebtKey());
    updateStatus();
}

void MainWindow::comparePlans()
{
    if (isBusy())
        return;
    CompareWindow compare(account_, prompter_, clock_, chosenPlan(), this);
    compare.exec();
    updateStatus();
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
    updateStatus();
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
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        client_->applyLayout();
}
