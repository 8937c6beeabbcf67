#include "mainwindow.h"

#include "aboutdialog.h"
#include "busycursor.h"
#include "calc/payoffsimulation.h"
#include "calc/priorityorder.h"
#include "celldelegate.h"
#include "comparewindow.h"
#include "controls.h"
#include "debtentrydialog.h"
#include "debtmenu.h"
#include "fonts.h"
#include "gridstyle.h"
#include "mainlayout.h"
#include "model/account.h"
#include "plannames.h"
#include "platform/appinfo.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/numberparse.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "report/reportlayout.h"
#include "report/reportprinter.h"
#include "report/scheduleexport.h"
#include "schedulegrid.h"
#include "twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
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
constexpr double kBusyIndicatorPoints = 13.5;

const QString kLoading = QStringLiteral("Loading...");
const QString kCalculating = QStringLiteral("Calculating: ");
const QString kExtraMoneyPrompt =
    QStringLiteral("Enter the amount of extra money you have each month to pay off your debts:");
const QString kExtraMoneyTitle = QStringLiteral("Extra Money");
const QString kPrinting = QStringLiteral("Printing...");
const QString kExporting = QStringLiteral("Exporting...");
// The lines of the export's message are separated by single carriage returns.
const QString kExported =
    QStringLiteral("Debt payoff information was exported to: \r%1\r\rThis file "
                   "is tab delimited and can be read by most spreadsheet "
                   "programs if you wish to do further analysis.");

// A long calculation lets the window repaint this often, so the progress
// caption moves without repainting for every month.
constexpr int kRepaintIntervalMs = 40;

using Controls::named;

QLabel* totalLabel(QWidget* parent, const char* name)
{
    auto* label = named(new QLabel(parent), name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QString calculatingCaption(double percentPaid)
{
    return kCalculating + Format::wholeNumber(percentPaid) + QLatin1Char('%');
}

} // namespace

MainWindow::MainWindow(Account& account, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QWidget(parent), account_(account), prompter_(prompter), clock_(clock),
      scheduleModel_(schedule_)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setFont(Fonts::sansSerif(Fonts::kWindowPoints));
    createControls();
    placeControls();
    resize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
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

    debtMenu_ = new DebtMenu(this);
    connect(debtMenu_->addItem, &QAction::triggered, this, &MainWindow::addDebt);
    connect(debtMenu_->editItem, &QAction::triggered, this, &MainWindow::editDebt);
    connect(debtMenu_->deleteItem, &QAction::triggered, this, &MainWindow::deleteDebt);
    connect(debtMenu_->extraMoneyItem, &QAction::triggered, this, &MainWindow::askExtraMoney);
    connect(debtMenu_->compareItem, &QAction::triggered, this, &MainWindow::comparePlans);
    connect(debtMenu_->aboutItem, &QAction::triggered, this, &MainWindow::showAbout);
    // No access key of the window uses M.
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this, this, &MainWindow::comparePlans);
}

void MainWindow::createControls()
{
    createDebtGrid();
    hintLabel_ = named(new QLabel(QStringLiteral("( Right mouse click in the white space above to "
                                                 "enter debt information )"),
                                  this),
                       "Label2");

    methodFrame_ = named(new QGroupBox(QStringLiteral("Payoff Priority Method:"), this), "Frame1");
    methodChooser_ = named(new QComboBox(methodFrame_), "cbomethod");
    for (const Plan plan : kPlans) {
        if (const std::optional<PriorityMethod> method = methodOf(plan))
            methodChooser_->addItem(planName(plan), static_cast<int>(*method));
    }

    totalsFrame_ = named(new QGroupBox(this), "Frame2");
    named(new QLabel(QStringLiteral("Debt Balance:"), totalsFrame_), "Label5")
        ->setGeometry(Twips::rect(120, 240, 1095, 255));
    named(new QLabel(QStringLiteral("Total Interest:"), totalsFrame_), "Label3")
        ->setGeometry(Twips::rect(120, 600, 1095, 255));
    named(new QLabel(QStringLiteral("Total Payments:"), totalsFrame_), "Label1")
        ->setGeometry(Twips::rect(120, 960, 1215, 255));
    totalBalanceLabel_ = totalLabel(totalsFrame_, "lbltotal");
    totalInterestLabel_ = totalLabel(totalsFrame_, "lblinterest");
    totalPaymentsLabel_ = totalLabel(totalsFrame_, "lblpayments");

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

    busyIndicator_ = named(new QPushButton(kLoading, this), "cmdmess");
    busyIndicator_->setFont(Fonts::sansSerif(kBusyIndicatorPoints));
    busyIndicator_->setFocusPolicy(Qt::NoFocus);
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
    debtList_.setRows({});
    for (int column = 0; column < DebtListModel::kColumnCount; ++column)
        debtGrid_->setColumnWidth(column, Twips::toPixels(kDebtColumnWidths[column]));
    schedule_.clear();
    scheduleModel_.tableChanged();
}

void MainWindow::load()
{
    initializeGrids();
    methodChooser_->setCurrentIndex(0);
    busyIndicator_->setText(kLoading);
    busyIndicator_->show();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    {
        BusyCursor busy;
        QCoreApplication::processEvents();
        if (account_.load()) {
            calculateButton_->setEnabled(true);
            listDebts();
        }
    }
    busyIndicator_->hide();
}

void MainWindow::listDebts()
{
    std::vector<Debt> rows;
    rows.reserve(static_cast<size_t>(account_.debts().count()));
    double total = 0.0;
    for (const auto& debt : account_.debts()) {
        rows.push_back(*debt);
        total += debt->balance;
    }
    showDebtRows(std::move(rows));
    totalBalanceLabel_->setText(Format::currency(total));
    setCommandsForDebtCount();
}

void MainWindow::listInPriorityOrder(const DebtArray& debts)
{
    std::vector<Debt> rows;
    rows.reserve(debts.size());
    for (size_t i = 1; i < debts.size(); ++i)
        rows.push_back(debts[i].toDebt());
    showDebtRows(std::move(rows));
    setCommandsForDebtCount();
}

void MainWindow::showDebtRows(std::vector<Debt> rows)
{
    debtList_.setRows(std::move(rows));
    const bool hasDebts = debtList_.rowCount() > 0;
    // No row is highlighted in an empty list; once there are debts the
    // current one always is, so a right-click below the rows has a debt to act on.
    debtGrid_->setSelectionMode(hasDebts ? QAbstractItemView::SingleSelection
                                         : QAbstractItemView::NoSelection);
    if (hasDebts)
        debtGrid_->selectRow(0);
}

void MainWindow::setCommandsForDebtCount()
{
    if (debtList_.rowCount() > 0) {
        calculateButton_->setEnabled(true);
        return;
    }
    calculateButton_->setEnabled(false);
    printButton_->setEnabled(false);
    exportButton_->setEnabled(false);
}

void MainWindow::calculate()
{
    if (calculating_ || debtList_.rowCount() == 0)
        return;
    // Set before the first yield to the event loop, so that a second click
    // waiting there cannot start a calculation inside this one.
    calculating_ = true;
    busyIndicator_->setText(calculatingCaption(0));
    busyIndicator_->show();
    schedule_.clear();
    scheduleModel_.tableChanged();
    totalInterestLabel_->clear();
    totalPaymentsLabel_->clear();
    QCoreApplication::processEvents();
    sinceRepaint_.start();

    const auto method = static_cast<PriorityMethod>(methodChooser_->currentData().toInt());
    DebtArray debts = orderByPriority(account_.debts(), method);
    listInPriorityOrder(debts);
    calculateButton_->setEnabled(false);
    printButton_->setEnabled(false);
    exportButton_->setEnabled(false);
    exitButton_->setFocus();
    analyze(debts);

    busyIndicator_->hide();
    if (schedule_.rowCount() > ScheduleTable::kHeaderRows) {
        printButton_->setEnabled(true);
        exportButton_->setEnabled(true);
    }
    calculateButton_->setEnabled(true);
    calculating_ = false;
}

void MainWindow::analyze(DebtArray& debts)
{
    BusyCursor busy;
    // The caption is only brought up to date when the window gets to repaint.
    const auto progress = [&](double percentPaid) {
        if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintIntervalMs) {
            busyIndicator_->setText(calculatingCaption(percentPaid));
            QCoreApplication::processEvents();
            sinceRepaint_.start();
        }
        return !closeRequested_;
    };
    const PayoffSimulation::Result result =
        PayoffSimulation::run(debts, account_.extraMoney(), clock_.today(), schedule_, progress);
    scheduleModel_.tableChanged();
    switch (result.outcome) {
    case PayoffSimulation::Outcome::PaidOff:
        totalInterestLabel_->setText(Format::currency(result.totalInterest));
        totalPaymentsLabel_->setText(Format::currency(result.totalPayments));
        break;
    case PayoffSimulation::Outcome::NeverDecreases:
        prompter_.showMessage(PayoffSimulation::kNeverDecreasesMessage);
        break;
    case PayoffSimulation::Outcome::Cancelled:
        break;
    }
}

void MainWindow::printSchedule()
{
    withCommandsDisabled(&MainWindow::printReport);
}

void MainWindow::exportSchedule()
{
    withCommandsDisabled(&MainWindow::exportReport);
}

void MainWindow::withCommandsDisabled(void (MainWindow::*report)())
{
    for (QPushButton* command : {calculateButton_, printButton_, exportButton_})
        command->setEnabled(false);
    (this->*report)();
    for (QPushButton* command : {calculateButton_, printButton_, exportButton_})
        command->setEnabled(true);
}

void MainWindow::printReport()
{
    busyIndicator_->setText(kPrinting);
    busyIndicator_->show();
    {
        BusyCursor busy;
        QCoreApplication::processEvents();
        const std::vector<ReportPage> pages =
            ReportLayout::pages(schedule_, DayDate::fromDate(clock_.today()));
        for (const QString& failure : ReportPrinter::print(pages, ReportLayout::kTitle))
            prompter_.showMessage(failure);
    }
    busyIndicator_->hide();
}

void MainWindow::exportReport()
{
    busyIndicator_->setText(kExporting);
    busyIndicator_->show();
    const QString path = joinPath(account_.dataFolder(), ScheduleExport::kFileName);
    std::optional<QString> failure;
    {
        BusyCursor busy;
        QCoreApplication::processEvents();
        failure = ScheduleExport::write(schedule_, path);
    }
    busyIndicator_->hide();
    if (failure) {
        prompter_.showMessage(*failure);
        return;
    }
    prompter_.beep();
    prompter_.showMessage(kExported.arg(QDir::toNativeSeparators(path)));
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
    // While a long operation shows its caption, nothing may change the data.
    return busyIndicator_->isVisible();
}

QString MainWindow::currentDebtKey() const
{
    const int row = qMax(debtGrid_->currentIndex().row(), 0);
    return debtList_.text(row, DebtListModel::CreditorColumn).trimmed();
}

void MainWindow::addDebt()
{
    DebtEntryDialog dialog(account_, prompter_, clock_, this);
    if (dialog.addDebt()) {
        account_.save();
        listDebts();
    }
}

void MainWindow::editDebt()
{
    DebtEntryDialog dialog(account_, prompter_, clock_, this);
    if (dialog.editDebt(currentDebtKey())) {
        account_.save();
        listDebts();
    }
}

void MainWindow::deleteDebt()
{
    account_.debts().remove(currentDebtKey());
    account_.save();
    listDebts();
}

void MainWindow::askExtraMoney()
{
    const QString old = Format::general(account_.extraMoney());
    const QString answer = prompter_.askText(kExtraMoneyPrompt, kExtraMoneyTitle, old);
    if (answer.isEmpty() || answer == old)
        return;
    const ParsedNumber parsed = numberAtStart(answer);
    if (!parsed.found || parsed.value < 0) {
        prompter_.showMessage(
            QStringLiteral("The extra money must be an amount of 0 or more, such as %1. It stays "
                           "at %2.")
                .arg(Format::general(150), old));
        return;
    }
    account_.setExtraMoney(Format::roundedToGeneral(parsed.value));
    account_.save();
}

void MainWindow::comparePlans()
{
    if (isBusy())
        return;
    const auto chosen = static_cast<PriorityMethod>(methodChooser_->currentData().toInt());
    CompareWindow compare(account_, prompter_, clock_, chosen, this);
    compare.exec();
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (calculating_)
        closeRequested_ = true;
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
