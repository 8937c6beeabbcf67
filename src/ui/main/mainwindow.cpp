#include "mainwindow.h"

#include "busyindicator.h"
#include "calc/paydates.h"
#include "clientarea.h"
#include "debtgridcontrol.h"
#include "debtmenu.h"
#include "mainmenubar.h"
#include "mainstatusbar.h"
#include "pdfsummary.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "schedulegrid.h"
#include "scheduleoutput.h"
#include "totallabel.h"
#include "ui/about/aboutdialog.h"
#include "ui/common/accountmessages.h"
#include "ui/common/fonts.h"
#include "ui/common/modelinput.h"
#include "ui/common/planwords.h"
#include "ui/common/savechange.h"
#include "ui/common/twips.h"
#include "ui/compare/comparewindow.h"
#include "ui/help/helpwindow.h"
#include "ui/plan/paymentplandialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>

namespace {

const QString kLoading = QStringLiteral("Loading...");

} // namespace

MainWindow::MainWindow(Account& account, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QMainWindow(parent), account_(account), prompter_(prompter), clock_(clock),
      debtList_(account.debts()), scheduleText_(schedule_), scheduleModel_(scheduleText_),
      debtCommands_(account, prompter, clock, this),
      trackingCommands_(account, prompter, clock, this), client_(new ClientArea(this)),
      menus_(new MainMenuBar(this)), status_(new MainStatusBar(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setFont(Fonts::sansSerif(Fonts::kWindowPoints));
    setCentralWidget(client_);
    setMenuBar(menus_);
    setStatusBar(status_);
    createDebtMenu();
    debtGrid_ = new DebtGridControl(
        *client_->debtGrid, debtList_, *debtMenu_, [this] { return isBusy(); },
        [this] { return account_.extraMoney(); }, this);
    calculateCommand_ = new CalculateCommand(*client_, debtList_, schedule_, scheduleModel_,
                                             *status_, prompter_, this);
    // Filled before it is followed: the first entry shown is no choice to keep.
    for (const PayoffMethod& method : payoffMethods())
        client_->methodChooser->addItem(PlanWords::name(&method), QLatin1String(method.id));
    connectCommands();
    client_->scheduleGrid->setScheduleModel(&scheduleModel_);
    client_->busyIndicator->setCaption(kLoading);
    // The window grows by the heights of its two bars around the client area.
    resize(Twips::toPixels(ClientArea::kWidthTwips), Twips::toPixels(ClientArea::kHeightTwips) +
                                                         menus_->sizeHint().height() +
                                                         status_->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::createDebtMenu()
{
    debtMenu_ = new DebtMenu(this);
    debtMenu_->showShortcuts({{debtMenu_->compareItem, menus_->comparePlans},
                              {debtMenu_->planItem, menus_->paymentPlan},
                              {debtMenu_->recordItem, menus_->recordPayments}});
    connect(debtMenu_->addItem, &QAction::triggered, this, [this] { change(&DebtCommands::add); });
    connect(debtMenu_->editItem, &QAction::triggered, this,
            [this] { changeCurrent(&DebtCommands::edit); });
    connect(debtMenu_->deleteItem, &QAction::triggered, this,
            [this] { changeCurrent(&DebtCommands::remove); });
    connect(debtMenu_->extraMoneyItem, &QAction::triggered, this,
            [this] { change(&DebtCommands::askExtraMoney); });
    connect(debtMenu_->renameItem, &QAction::triggered, this,
            [this] { changeCurrent(&DebtCommands::rename); });
    connect(debtMenu_->recordItem, &QAction::triggered, this, [this] {
        if (isBusy())
            return;
        trackingCommands_.recordPayments();
        updateStatus();
    });
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
    connect(menus_->renameDebt, &QAction::triggered, debtMenu_->renameItem, &QAction::trigger);
    connect(menus_->recordPayments, &QAction::triggered, debtMenu_->recordItem, &QAction::trigger);
    connect(menus_->followPlan, &QAction::triggered, this, &MainWindow::followPlan);
    connect(menus_->progress, &QAction::triggered, this,
            [this] { track(&TrackingCommands::showProgress); });
    connect(menus_->exportHistory, &QAction::triggered, this,
            [this] { track(&TrackingCommands::exportHistory); });
    connect(menus_->extraMoney, &QAction::triggered, debtMenu_->extraMoneyItem, &QAction::trigger);
    connect(menus_->paymentPlan, &QAction::triggered, this, &MainWindow::editPlan);
    connect(menus_->calculate, &QAction::triggered, this, &MainWindow::calculate);
    connect(menus_->comparePlans, &QAction::triggered, this, &MainWindow::comparePlans);
    connect(menus_->useAsCustomOrder, &QAction::triggered, this, &MainWindow::useFoundOrder);
    // A search for the order can take long: Esc or the busy button stops it.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { calculateCommand_->cancelSearch(); });
    connect(client_->busyIndicator, &QPushButton::clicked, this,
            [this] { calculateCommand_->cancelSearch(); });
    connect(menus_->about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(menus_->help, &QAction::triggered, this, [this] {
        HelpWindow help(HelpWindow::sectionFor(objectName()), this);
        help.exec();
    });
    qApp->installEventFilter(new HelpKey(this));
    connect(client_->busyIndicator, &BusyIndicator::busyChanged, this, &MainWindow::updateCommands);
    connect(client_->methodChooser, &QComboBox::currentIndexChanged, this,
            &MainWindow::methodChosen);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&debtList_, signal, this, &MainWindow::debtsChanged);
    connect(&debtList_, &QAbstractItemModel::dataChanged, this, &MainWindow::debtsChanged);
    connect(&debtList_, &QAbstractItemModel::modelReset, this, &MainWindow::debtsChanged);
}

void MainWindow::initializeGrids()
{
    debtGrid_->setDesignedWidths();
    schedule_.clear();
    scheduleModel_.scheduleChanged();
}

void MainWindow::load()
{
    initializeGrids();
    client_->methodChooser->setCurrentIndex(0);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    {
        const BusyIndicator::Session session(*client_->busyIndicator, kLoading);
        show();
        QCoreApplication::processEvents();
        AccountMessages::show(prompter_, AccountMessages::forLoad(account_.load()));
    }
    // The method chosen last time; an unknown one leaves the first.
    const int chosen = client_->methodChooser->findData(account_.chosenMethod());
    if (chosen >= 0) {
        const QSignalBlocker quiet(client_->methodChooser);
        client_->methodChooser->setCurrentIndex(chosen);
    }
    trackingCommands_.finishWhatWasLeft();
    updateCommands();
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
    menus_->renameDebt->setEnabled(idle && hasDebts());
    menus_->useAsCustomOrder->setEnabled(idle && showsFoundOrder());
    // The history's commands say why they are off when it cannot be used.
    const QString off = trackingCommands_.whyOff();
    for (QAction* action : {menus_->followPlan, menus_->recordPayments, menus_->progress,
                            menus_->exportHistory, debtMenu_->recordItem}) {
        action->setEnabled(idle && off.isEmpty());
        action->setToolTip(off);
    }
}

void MainWindow::debtsChanged()
{
    double total = 0.0;
    for (const Debt& debt : account_.debts())
        total += debt.balance;
    client_->totalBalance->setAmount(Format::currency(total));
    if (!hasDebts())
        schedulePrintable_ = false;
    debtGrid_->keepARowCurrent();
    updateCommands();
    updateStatus();
}

void MainWindow::updateStatus()
{
    QString following = trackingCommands_.following();
    if (!following.isEmpty() && !trackingCommands_.standing().isEmpty())
        following += QStringLiteral(": ") + trackingCommands_.standing();
    status_->showFollowing(following);
    const double setting = account_.extraMoney();
    status_->showExtraMoney(
        setting,
        planRulesOf(account_.plan()).extraMoney(setting, Paydates::firstMonth(clock_.today())));
    if (calculatedFrom_)
        status_->setStale(scheduleIsStale());
    menus_->useAsCustomOrder->setEnabled(!isBusy() && showsFoundOrder());
}

bool MainWindow::showsFoundOrder() const
{
    return calculatedFrom_ && calculatedFrom_->method->searchesOrders && schedulePrintable_ &&
           calculateCommand_->latest() && !scheduleIsStale();
}

bool MainWindow::scheduleIsStale() const
{
    Account::Snapshot now = account_.snapshot();
    // The user's own order matters only to the method that follows it.
    if (!calculatedFrom_->method->followsCustomOrder)
        now.plan.customOrder = calculatedFrom_->account.plan.customOrder;
    return !(calculatedFrom_->account == now) || calculatedFrom_->method != &chosenMethod();
}

const PayoffMethod& MainWindow::chosenMethod() const
{
    const PayoffMethod* method = payoffMethod(client_->methodChooser->currentData().toString());
    return method ? *method : payoffMethods().front();
}

void MainWindow::calculate()
{
    if (isBusy() || !hasDebts())
        return;
    const PayoffMethod& method = chosenMethod();
    if (!calculateCommand_->run(account_, method, clock_.today()))
        return;
    schedulePrintable_ = schedule_.monthCount() > 0;
    calculatedFrom_ = Calculated{account_.snapshot(), &method};
    updateCommands();
    // Back on Calculate, where a Space calculates again, not on Exit.
    client_->calculateButton->setFocus();
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
        ScheduleOutput(schedule_, *client_->busyIndicator, prompter_, clock_)
            .exportPdf(pdfSummaryOf(calculatedFrom_->account, *calculatedFrom_->method, schedule_,
                                    *calculateCommand_->latest(), clock_.today()));
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
    (debtCommands_.*command)(debtGrid_->currentKey());
    updateStatus();
}

void MainWindow::comparePlans()
{
    if (isBusy())
        return;
    CompareWindow compare(account_, prompter_, clock_, &chosenMethod(), this);
    compare.exec();
    updateStatus();
}

void MainWindow::useFoundOrder()
{
    if (isBusy() || !showsFoundOrder())
        return;
    PaymentPlan plan = account_.plan();
    if (!plan.customOrder.isEmpty() &&
        !prompter_.askYesNo(
            QStringLiteral("Replace your custom order with the order Least Interest found?")))
        return;
    QStringList order;
    for (const DebtFigures& debt : calculateCommand_->latest()->ordered)
        order.append(DebtList::keyOf(debt.name));
    // As the Payment Plan window does, names of debts no longer listed stay.
    for (const QString& name : plan.customOrder) {
        if (!account_.debts().find(name))
            order.append(name);
    }
    plan.customOrder = order;
    const Account::Snapshot before = account_.snapshot();
    account_.setPlan(plan);
    saveChange(account_, prompter_, before, PlanFile::kFileName);
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
    saveChange(account_, prompter_, before, PlanFile::kFileName);
    updateStatus();
}

void MainWindow::methodChosen()
{
    account_.setChosenMethod(QLatin1String(chosenMethod().id));
    updateStatus();
}

void MainWindow::followPlan()
{
    if (isBusy())
        return;
    if (!calculatedFrom_ || !schedulePrintable_ || !calculateCommand_->latest()) {
        prompter_.showMessage(QStringLiteral("There is no schedule to follow: Calculate first, "
                                             "then follow the schedule it shows."));
        return;
    }
    if (scheduleIsStale()) {
        prompter_.showMessage(QStringLiteral("The schedule on screen was calculated before your "
                                             "latest change: Calculate again, then follow it."));
        return;
    }
    trackingCommands_.follow(*calculatedFrom_->method, *calculateCommand_->latest());
    updateStatus();
}

void MainWindow::track(void (TrackingCommands::*command)())
{
    if (isBusy())
        return;
    (trackingCommands_.*command)();
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
        calculateCommand_->cancel();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        client_->applyLayout();
}
