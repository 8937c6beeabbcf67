#include "frmmain.h"

#include "busycursor.h"
#include "calc/payoffsimulation.h"
#include "calc/sortdebtarray.h"
#include "celldelegate.h"
#include "controls.h"
#include "debtmenu.h"
#include "fonts.h"
#include "frmabout.h"
#include "frmdebtentry.h"
#include "gridstyle.h"
#include "mainlayout.h"
#include "model/clsaccount.h"
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
#include <QElapsedTimer>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
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

struct Method {
    QString caption;
    int code;
};
const Method kMethods[] = {
    {QStringLiteral("Highest Interest Rate"), 1},
    {QStringLiteral("Smallest Balance"), 2},
    {QStringLiteral("Smallest (Balance/Monthly)"), 3},
};

using Controls::named;

QLabel* totalLabel(QWidget* parent, const char* name)
{
    auto* label = named(new QLabel(parent), name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

frmMain::frmMain(clsAccount& account, Prompter& prompter, const Clock& clock, QWidget* parent)
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

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    fa_ = named(new QTableView(this), "fa");
    fa_->setModel(&debtList_);
    GridStyle::apply(*fa_);
    fa_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fa_->horizontalHeader()->setHighlightSections(false);
    fa_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fa_->horizontalHeader()->setFixedHeight(Twips::toPixels(GridStyle::kRowHeightTwips));
    fa_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fa_->setItemDelegate(new CellDelegate(fa_));
    // Right clicks and the menu key open the debt menu by the grid's own rules.
    fa_->setContextMenuPolicy(Qt::PreventContextMenu);
    fa_->viewport()->installEventFilter(this);
    fa_->installEventFilter(this);
    mnupopup_ = new DebtMenu(this);
    connect(mnupopup_->mnupopadd, &QAction::triggered, this, &frmMain::mnupopadd_Click);
    connect(mnupopup_->mnupopedit, &QAction::triggered, this, &frmMain::mnupopedit_Click);
    connect(mnupopup_->mnupopdelete, &QAction::triggered, this, &frmMain::mnupopdelete_Click);
    connect(mnupopup_->mnutoolsexcessfunds, &QAction::triggered, this,
            &frmMain::mnutoolsexcessfunds_Click);
    connect(mnupopup_->mnupopabout, &QAction::triggered, this, &frmMain::mnupopabout_Click);
    // The selected debt stays visibly selected while another control has the focus.
    QPalette palette = fa_->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    fa_->setPalette(palette);

    label2_ = named(new QLabel(QStringLiteral("( Right mouse click in the white space above to "
                                              "enter debt information )"),
                               this),
                    "Label2");

    frame1_ = named(new QGroupBox(QStringLiteral("Payoff Priority Method:"), this), "Frame1");
    cbomethod_ = named(new QComboBox(frame1_), "cbomethod");
    for (const Method& method : kMethods)
        cbomethod_->addItem(method.caption, method.code);

    frame2_ = named(new QGroupBox(this), "Frame2");
    named(new QLabel(QStringLiteral("Debt Balance:"), frame2_), "Label5")
        ->setGeometry(Twips::rect(120, 240, 1095, 255));
    named(new QLabel(QStringLiteral("Total Interest:"), frame2_), "Label3")
        ->setGeometry(Twips::rect(120, 600, 1095, 255));
    named(new QLabel(QStringLiteral("Total Payments:"), frame2_), "Label1")
        ->setGeometry(Twips::rect(120, 960, 1215, 255));
    lbltotal_ = totalLabel(frame2_, "lbltotal");
    lblinterest_ = totalLabel(frame2_, "lblinterest");
    lblpayments_ = totalLabel(frame2_, "lblpayments");

    cmdexit_ = named(new QPushButton(QStringLiteral("E&xit"), this), "cmdexit");
    cmdCalculate_ = named(new QPushButton(QStringLiteral("&Calculate"), this), "cmdCalculate");
    cmdexport_ = named(new QPushButton(QStringLiteral("&Export"), this), "cmdexport");
    cmdprint_ = named(new QPushButton(QStringLiteral("&Print"), this), "cmdprint");
    cmdexport_->setEnabled(false);
    cmdprint_->setEnabled(false);
    connect(cmdexit_, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdCalculate_, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(cmdprint_, &QPushButton::clicked, this, &frmMain::cmdprint_Click);
    connect(cmdexport_, &QPushButton::clicked, this, &frmMain::cmdexport_Click);

    fav_ = named(new ScheduleGrid(this), "fav");
    fav_->setScheduleModel(&scheduleModel_);

    cmdmess_ = named(new QPushButton(kLoading, this), "cmdmess");
    cmdmess_->setFont(Fonts::sansSerif(13.5));
    cmdmess_->setFocusPolicy(Qt::NoFocus);
    cmdmess_->raise();

    setTabOrder(cmdCalculate_, cmdexit_);
    setTabOrder(cmdexit_, cmdexport_);
    setTabOrder(cmdexport_, cmdprint_);
    setTabOrder(cmdprint_, cbomethod_);
    setTabOrder(cbomethod_, fa_);
    setTabOrder(fa_, fav_);
}

void frmMain::placeControls()
{
    fa_->setGeometry(Twips::rect(kDebtGridLeft, 75, 5295, 1725));
    label2_->setGeometry(Twips::rect(kHintLeft, 1815, 5220, 225));
    frame1_->setGeometry(Twips::rect(kFramesLeft, 0, 2655, 735));
    cbomethod_->setGeometry(Twips::rect(120, 240, 2415, 315));
    frame2_->setGeometry(Twips::rect(kFramesLeft, 600, 2655, 1335));
    lbltotal_->setGeometry(Twips::rect(1320, 240, 1095, 255));
    lblinterest_->setGeometry(Twips::rect(1320, 600, 1095, 255));
    lblpayments_->setGeometry(Twips::rect(1320, 960, 1095, 255));
    cmdexit_->setGeometry(Twips::rect(kCommandsLeft, 120, 975, 375));
    cmdCalculate_->setGeometry(Twips::rect(kCommandsLeft, 600, 975, 375));
    cmdexport_->setGeometry(Twips::rect(kCommandsLeft, 1080, 975, 375));
    cmdprint_->setGeometry(Twips::rect(kCommandsLeft, 1560, 975, 375));
    cmdmess_->setGeometry(Twips::rect(3825, 3840, 2475, 735));
    fav_->setGeometry(Twips::rect(0, kScheduleTop, 9615, 4335));
}

void frmMain::InitializeFlexArray()
{
    debtList_.setRows({});
    for (int column = 0; column < DebtListModel::kColumnCount; ++column)
        fa_->setColumnWidth(column, Twips::toPixels(kDebtColumnWidths[column]));
    schedule_.clear();
    scheduleModel_.tableChanged();
}

void frmMain::Form_Load()
{
    InitializeFlexArray();
    cbomethod_->setCurrentIndex(0);
    cmdmess_->setText(kLoading);
    cmdmess_->show();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    {
        BusyCursor busy;
        QCoreApplication::processEvents();
        if (account_.Load()) {
            cmdCalculate_->setEnabled(true);
            ListDebts();
        }
    }
    cmdmess_->hide();
}

void frmMain::ListDebts()
{
    std::vector<DebtListModel::Row> rows;
    rows.reserve(static_cast<size_t>(account_.Debts().Count()));
    double total = 0.0;
    for (const auto& debt : account_.Debts()) {
        rows.push_back({debt->Creditor, debt->Balance, debt->Rate, debt->Monthly, debt->StartDate});
        total += debt->Balance;
    }
    showDebtRows(std::move(rows));
    lbltotal_->setText(Format::currency(total));
    setCommandsForDebtCount();
}

void frmMain::ListArray(const DebtArray& debts)
{
    std::vector<DebtListModel::Row> rows;
    rows.reserve(debts.size());
    for (int i = 1; i <= debtCount(debts); ++i) {
        const DebtRecord& debt = debts[static_cast<size_t>(i)];
        rows.push_back({debt.Creditor, debt.Balance, debt.Rate, debt.Monthly, debt.StartDate});
    }
    showDebtRows(std::move(rows));
    setCommandsForDebtCount();
}

void frmMain::cmdCalculate_Click()
{
    if (calculating_ || debtList_.rowCount() == 0)
        return;
    // Set before the first yield to the event loop, so that a second click
    // waiting there cannot start a calculation inside this one.
    calculating_ = true;
    cmdmess_->setText(kCalculating + Format::wholeNumber(0) + QLatin1Char('%'));
    cmdmess_->show();
    schedule_.clear();
    scheduleModel_.tableChanged();
    lblinterest_->clear();
    lblpayments_->clear();
    QCoreApplication::processEvents();
    sinceRepaint_.start();

    const auto method = static_cast<PriorityMethod>(cbomethod_->currentData().toInt());
    DebtArray debts = SortDebtArray(account_.Debts(), method);
    ListArray(debts);
    cmdCalculate_->setEnabled(false);
    cmdprint_->setEnabled(false);
    cmdexport_->setEnabled(false);
    cmdexit_->setFocus();
    Analyze(debts);

    cmdmess_->hide();
    if (schedule_.rowCount() > ScheduleTable::kHeaderRows) {
        cmdprint_->setEnabled(true);
        cmdexport_->setEnabled(true);
    }
    cmdCalculate_->setEnabled(true);
    calculating_ = false;
}

void frmMain::Analyze(DebtArray& debts)
{
    BusyCursor busy;
    // The caption is only brought up to date when the window gets to repaint.
    const auto progress = [&](double percentPaid) {
        if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintIntervalMs) {
            cmdmess_->setText(kCalculating + Format::wholeNumber(percentPaid) + QLatin1Char('%'));
            QCoreApplication::processEvents();
            sinceRepaint_.start();
        }
        return !closeRequested_;
    };
    const PayoffSimulation::Result result =
        PayoffSimulation::run(debts, account_.excessfunds(), clock_.today(), schedule_, progress);
    scheduleModel_.tableChanged();
    switch (result.outcome) {
    case PayoffSimulation::Outcome::PaidOff:
        lblinterest_->setText(Format::currency(result.totalInterest));
        lblpayments_->setText(Format::currency(result.totalPayments));
        break;
    case PayoffSimulation::Outcome::NeverDecreases:
        prompter_.showMessage(PayoffSimulation::kNeverDecreasesMessage);
        break;
    case PayoffSimulation::Outcome::Cancelled:
        break;
    }
}

void frmMain::cmdprint_Click()
{
    withCommandsDisabled(&frmMain::PrintReport);
}

void frmMain::cmdexport_Click()
{
    withCommandsDisabled(&frmMain::ExportReport);
}

void frmMain::withCommandsDisabled(void (frmMain::*report)())
{
    for (QPushButton* command : {cmdCalculate_, cmdprint_, cmdexport_})
        command->setEnabled(false);
    (this->*report)();
    for (QPushButton* command : {cmdCalculate_, cmdprint_, cmdexport_})
        command->setEnabled(true);
}

void frmMain::PrintReport()
{
    cmdmess_->setText(kPrinting);
    cmdmess_->show();
    {
        BusyCursor busy;
        QCoreApplication::processEvents();
        const std::vector<ReportPage> pages =
            ReportLayout::pages(schedule_, DayDate::fromDate(clock_.today()));
        for (const QString& failure : ReportPrinter::print(pages, ReportLayout::kTitle))
            prompter_.showMessage(failure);
    }
    cmdmess_->hide();
}

void frmMain::ExportReport()
{
    cmdmess_->setText(kExporting);
    cmdmess_->show();
    const QString path = joinPath(account_.programFolder(), ScheduleExport::kFileName);
    std::optional<QString> failure;
    {
        BusyCursor busy;
        QCoreApplication::processEvents();
        failure = ScheduleExport::write(schedule_, path);
    }
    cmdmess_->hide();
    if (failure) {
        prompter_.showMessage(*failure);
        return;
    }
    prompter_.beep();
    prompter_.showMessage(kExported.arg(QDir::toNativeSeparators(path)));
}

void frmMain::showDebtRows(std::vector<DebtListModel::Row> rows)
{
    debtList_.setRows(std::move(rows));
    const bool hasDebts = debtList_.rowCount() > 0;
    // No row is highlighted in an empty list; once there are debts the
    // current one always is, so a right-click below the rows has a debt to act on.
    fa_->setSelectionMode(hasDebts ? QAbstractItemView::SingleSelection
                                   : QAbstractItemView::NoSelection);
    if (hasDebts)
        fa_->selectRow(0);
}

void frmMain::setCommandsForDebtCount()
{
    if (debtList_.rowCount() > 0) {
        cmdCalculate_->setEnabled(true);
        return;
    }
    cmdCalculate_->setEnabled(false);
    cmdprint_->setEnabled(false);
    cmdexport_->setEnabled(false);
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fa_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        const int row = fa_->indexAt(mouse->position().toPoint()).row();
        // Row 0 of the grid is its header; the white space stands for a row
        // past the last.
        const int gridRow = row >= 0 ? row + 1 : debtList_.rowCount() + 1;
        fa_MouseDown(gridRow, mouse->globalPosition().toPoint());
        return true;
    }
    if (watched == fa_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu ||
                             (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (!menuKey)
            return false;
        const int current = fa_->currentIndex().row();
        const int gridRow = current >= 0 ? current + 1 : debtList_.rowCount() + 1;
        const QRect cell = fa_->visualRect(fa_->model()->index(qMax(current, 0), 0));
        fa_MouseDown(gridRow, fa_->viewport()->mapToGlobal(cell.center()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::fa_MouseDown(int gridRow, const QPoint& globalPosition)
{
    if (cmdmess_->isVisible() || gridRow < 1)
        return;
    const int row = gridRow - 1;
    if (row < debtList_.rowCount())
        fa_->selectRow(row);
    std::optional<QString> current;
    if (debtList_.rowCount() > 0)
        current = currentDebtKey();
    mnupopup_->prepare(current, account_.excessfunds());
    mnupopup_->popup(globalPosition);
}

QString frmMain::currentDebtKey() const
{
    const int row = qMax(fa_->currentIndex().row(), 0);
    return debtList_.text(row, DebtListModel::CreditorColumn).trimmed();
}

void frmMain::mnupopadd_Click()
{
    enterDebt(QString());
}

void frmMain::mnupopedit_Click()
{
    enterDebt(currentDebtKey());
}

void frmMain::enterDebt(const QString& key)
{
    frmDebtEntry dialog(account_, prompter_, clock_, this);
    if (dialog.Display(key)) {
        account_.Save();
        ListDebts();
    }
}

void frmMain::mnupopdelete_Click()
{
    account_.Debts().Delete(currentDebtKey());
    account_.Save();
    ListDebts();
}

void frmMain::mnutoolsexcessfunds_Click()
{
    const QString old = Format::general(account_.excessfunds());
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
    // Stored as its general text form would read back: 15 significant digits.
    account_.setExcessfunds(QString::number(parsed.value, 'g', 15).toDouble());
    account_.Save();
}

void frmMain::mnupopabout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (calculating_)
        closeRequested_ = true;
    event->accept();
}

void frmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const MainLayout layout =
        mainLayoutFor(Twips::fromPixels(width()), Twips::fromPixels(height()));
    const int gridHeight =
        layout.scheduleHeight ? Twips::toPixels(*layout.scheduleHeight) : fav_->height();
    fav_->resize(Twips::toPixels(layout.scheduleWidth), gridHeight);
    const auto moveLeft = [&](QWidget* widget, int designedLeft) {
        widget->move(Twips::toPixels(layout.offset + designedLeft), widget->y());
    };
    moveLeft(fa_, kDebtGridLeft);
    moveLeft(label2_, kHintLeft);
    moveLeft(frame1_, kFramesLeft);
    moveLeft(frame2_, kFramesLeft);
    for (QWidget* command : {cmdexit_, cmdprint_, cmdexport_, cmdCalculate_})
        moveLeft(command, kCommandsLeft);
}
