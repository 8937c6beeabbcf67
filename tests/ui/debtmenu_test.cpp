#include "dialogscript.h"
#include "mainwindowfixture.h"
#include "platform/daydate.h"
#include "ui/aboutdialog.h"
#include "ui/debtentrydialog.h"
#include "ui/debtmenu.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

namespace {

using namespace DialogScript;

const double kStart = DayDate::fromDate(QDate(2026, 12, 6));

class DebtGridMenu : public MainWindowFixture {
protected:
    DebtMenu& menu() const { return *control<DebtMenu>("mnupopup"); }
    QWidget* gridArea() const { return control<QTableView>("fa")->viewport(); }

    // Right-clicks a debt row (from 0), or the white space below the rows.
    void rightClick(std::optional<int> row, Qt::MouseButton button = Qt::RightButton)
    {
        menu().hide();
        auto* grid = control<QTableView>("fa");
        const QPoint point = row ? grid->visualRect(debtGrid()->index(*row, 0)).center()
                                 : QPoint(10, gridArea()->height() - 5);
        systemClick(gridArea(), point, button);
    }
    QByteArray dataFile() const
    {
        QFile file(folder.filePath("debts.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void threeDebts()
    {
        givenDebts({{"Visa", 2000, 0.18, 60, kStart},
                    {"Amex", 500, 0.15, 25, kStart},
                    {"Car", 9000, 0.07, 250, kStart}});
        startWindow();
    }
};

TEST_F(DebtGridMenu, OpensInAnEmptyGridWithEditAndDeleteDisabled)
{
    startWindow();
    rightClick(std::nullopt);
    ASSERT_TRUE(menu().isVisible());
    EXPECT_FALSE(menu().editItem->isEnabled());
    EXPECT_FALSE(menu().deleteItem->isEnabled());
    EXPECT_EQ(menu().editItem->text(), "Edit Debt");
    EXPECT_EQ(menu().deleteItem->text(), "Delete Debt");
    EXPECT_EQ(menu().extraMoneyItem->text(), "Extra Money:   0.00");
    EXPECT_EQ(menu().aboutItem->text(), "About... ");
    EXPECT_TRUE(menu().addItem->isEnabled());
}

TEST_F(DebtGridMenu, AddingTheFirstDebtSavesItAndListsIt)
{
    startWindow();
    rightClick(std::nullopt);
    whenShown<DebtEntryDialog>([](DebtEntryDialog& dialog) {
        box(dialog, "txtCreditor")->setText(QString::fromUtf8("Café")); // QTest types ASCII only
        type(dialog, "txtBalance", "1000");
        type(dialog, "txtMonthly", "25");
        type(dialog, "txtRate", "18");
        press(dialog, "cmdOK");
    });
    menu().addItem->trigger();
    ASSERT_EQ(debtGrid()->rowCount(), 1);
    EXPECT_EQ(control<QLabel>("lbltotal")->text(), "$1,000.00");
    EXPECT_TRUE(enabled("cmdCalculate"));
    const QByteArray bytes = dataFile();
    ASSERT_EQ(bytes.size(), 132);
    EXPECT_EQ(bytes.left(100), QByteArray("Caf\xe9").leftJustified(100));
    double balance = 0;
    std::memcpy(&balance, bytes.constData() + 100, 8);
    EXPECT_EQ(balance, 1000);
}

TEST_F(DebtGridMenu, ARightClickOnADebtSelectsItAndNamesIt)
{
    threeDebts();
    rightClick(2);
    ASSERT_TRUE(menu().isVisible());
    EXPECT_EQ(control<QTableView>("fa")->currentIndex().row(), 2);
    EXPECT_EQ(control<QTableView>("fa")->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(menu().editItem->text(), "Edit Car");
    EXPECT_EQ(menu().deleteItem->text(), "Delete Car");
    rightClick(std::nullopt); // the white space keeps the current row
    EXPECT_EQ(menu().editItem->text(), "Edit Car");
}

TEST_F(DebtGridMenu, OnlyTheRightButtonBelowTheHeaderWhileIdleOpensIt)
{
    threeDebts();
    rightClick(1, Qt::LeftButton);
    EXPECT_FALSE(menu().isVisible());
    QHeaderView* header = control<QTableView>("fa")->horizontalHeader();
    systemClick(header->viewport(), QPoint(20, 5));
    EXPECT_FALSE(menu().isVisible());
    control("cmdmess")->show(); // busy
    rightClick(1);
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(DebtGridMenu, ARightClickBesideARowActsOnThatRow)
{
    threeDebts();
    const QRect car = control<QTableView>("fa")->visualRect(debtGrid()->index(2, 0));
    systemClick(gridArea(), QPoint(gridArea()->width() - 3, car.center().y()));
    ASSERT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().editItem->text(), "Edit Car");
}

TEST_F(DebtGridMenu, TheMenuKeysOpenItForTheCurrentDebt)
{
    threeDebts();
    auto* grid = control<QTableView>("fa");
    grid->selectRow(1);
    grid->setFocus();
    systemKey(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().editItem->text(), "Edit Amex");
    menu().hide();
    grid->selectRow(2);
    // The Menu key, as the window system hands it to the focused widget.
    const QPoint at = grid->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at, grid->mapToGlobal(at));
    QApplication::sendEvent(grid, &menuKey);
    ASSERT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().editItem->text(), "Edit Car");
}

TEST_F(DebtGridMenu, TheScrollBarOpensNoMenu)
{
    std::vector<std::tuple<QString, double, double, double, double>> many;
    for (int i = 0; i < 20; ++i)
        many.emplace_back(QString("Debt %1").arg(i), 100, 0, 10, kStart);
    givenDebts(many);
    startWindow();
    QScrollBar* bar = control<QTableView>("fa")->verticalScrollBar();
    QCoreApplication::processEvents(); // lays the grid out
    ASSERT_TRUE(bar->isVisible());
    QWidget* popup = nullptr;
    QTimer::singleShot(0, [&] {
        popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
    });
    systemClick(bar, bar->rect().center());
    QCoreApplication::processEvents();
    EXPECT_EQ(popup, nullptr);
}

TEST_F(DebtGridMenu, EditingSavesTheChangeAndListsTheDebtsInCollectionOrder)
{
    threeDebts();
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(debtCell(0, 0), QString("Visa").leftJustified(100)) << "priority order";
    rightClick(2); // Car, listed last by rate
    whenShown<DebtEntryDialog>([](DebtEntryDialog& dialog) {
        type(dialog, "txtBalance", "8000");
        press(dialog, "cmdOK");
    });
    menu().editItem->trigger();
    EXPECT_EQ(account->debts().find("Car")->balance, 8000);
    EXPECT_EQ(debtCell(0, 0).trimmed(), "Visa");
    EXPECT_EQ(debtCell(1, 0).trimmed(), "Amex");
    EXPECT_EQ(debtCell(2, 1), "$8,000.00");
    EXPECT_EQ(dataFile().size(), 3 * 132);
    double balance = 0;
    std::memcpy(&balance, dataFile().constData() + 2 * 132 + 100, 8);
    EXPECT_EQ(balance, 8000);
    EXPECT_GT(control<QTableView>("fav")->model()->rowCount(), 0) << "the schedule stays";
}

TEST_F(DebtGridMenu, CancelInTheDialogChangesNothing)
{
    threeDebts();
    const QByteArray before = dataFile();
    rightClick(0);
    whenShown<DebtEntryDialog>([](DebtEntryDialog& dialog) {
        type(dialog, "txtBalance", "1");
        press(dialog, "cmdCancel");
    });
    menu().editItem->trigger();
    EXPECT_EQ(account->debts().find("Visa")->balance, 2000);
    EXPECT_EQ(dataFile(), before);
}

TEST_F(DebtGridMenu, DeletingAsksAndRemovesOnlyOnYes)
{
    threeDebts();
    rightClick(1);
    prompter.yesNoAnswers = {false};
    menu().deleteItem->trigger();
    EXPECT_EQ(prompter.shown.back().text, "Are you sure you want to delete Amex?");
    EXPECT_EQ(debtGrid()->rowCount(), 3);
    rightClick(1);
    prompter.yesNoAnswers = {true};
    menu().deleteItem->trigger();
    EXPECT_EQ(debtGrid()->rowCount(), 2);
    EXPECT_EQ(dataFile().size(), 2 * 132);
    EXPECT_EQ(account->debts().find("Amex"), nullptr);
}

TEST_F(DebtGridMenu, AfterTheLastDebtIsDeletedEditAndDeleteKeepTheirLastCaptions)
{
    givenDebts({{"Visa", 100, 0, 10, kStart}});
    startWindow();
    rightClick(0);
    menu().deleteItem->trigger();
    rightClick(std::nullopt);
    EXPECT_FALSE(menu().deleteItem->isEnabled());
    EXPECT_EQ(menu().deleteItem->text(), "Delete Visa");
    EXPECT_FALSE(enabled("cmdCalculate"));
}

TEST_F(DebtGridMenu, ExtraMoneyIsAskedForAndSaved)
{
    startWindow();
    const auto enter = [&](const QString& answer) {
        prompter.textAnswers = {answer};
        rightClick(std::nullopt);
        menu().extraMoneyItem->trigger();
        return settings.value("Settings/Excees Funds").toString();
    };
    EXPECT_EQ(enter("150"), "150");
    EXPECT_EQ(prompter.shown.back().title, "Extra Money");
    EXPECT_EQ(prompter.shown.back().text, "Enter the amount of extra money you have each month "
                                          "to pay off your debts:");
    rightClick(std::nullopt);
    EXPECT_EQ(menu().extraMoneyItem->text(), "Extra Money:   150.00");
    EXPECT_EQ(enter("1 000"), "1000");
    EXPECT_EQ(enter("12.5abc"), "12.5");
    EXPECT_EQ(account->extraMoney(), 12.5);
}

TEST_F(DebtGridMenu, ExtraMoneyThatIsNoAmountIsRefusedAndNothingChanges)
{
    givenDebts({}, 75);
    startWindow();
    for (const char* answer : {"$50", "abc", "-20"}) {
        prompter.textAnswers = {answer};
        rightClick(std::nullopt);
        menu().extraMoneyItem->trigger();
        EXPECT_TRUE(prompter.messages().constLast().contains("75")) << answer;
        EXPECT_EQ(account->extraMoney(), 75) << answer;
    }
    EXPECT_EQ(prompter.messages().size(), 3);
    for (const char* answer : {"", "75"}) { // Cancel, or OK on the offered text
        settings.remove("Settings/Excees Funds");
        prompter.textAnswers = {answer};
        menu().extraMoneyItem->trigger();
        EXPECT_FALSE(settings.contains("Settings/Excees Funds")) << "nothing was saved";
    }
    EXPECT_EQ(prompter.messages().size(), 3);
}

TEST_F(DebtGridMenu, TheAboutBoxShowsTitleAndVersionAndClosesOnEscape)
{
    startWindow();
    QString caption;
    QString title;
    QString version;
    whenShown<AboutDialog>([&](AboutDialog& about) {
        caption = about.windowTitle();
        title = about.findChild<QLabel*>("lblTitle")->text();
        version = about.findChild<QLabel*>("lblVersion")->text();
        EXPECT_FALSE(about.findChild<QLabel*>("Picture1")->pixmap().isNull());
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_FALSE(about.isVisible());
    });
    menu().aboutItem->trigger();
    EXPECT_EQ(caption, "About Varnholt");
    EXPECT_EQ(title, "Varnholt");
    EXPECT_EQ(version, "Version 3.5");
}

} // namespace
