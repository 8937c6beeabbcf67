#include "dialogscript.h"
#include "mainwindowfixture.h"
#include "platform/daydate.h"
#include "ui/debtmenu.h"
#include "ui/frmabout.h"
#include "ui/frmdebtentry.h"

#include <QHeaderView>
#include <QLabel>

namespace {

using namespace DialogScript;

const double kStart = DayDate::fromDate(QDate(2026, 12, 6));

class DebtGridMenu : public MainWindowFixture {
protected:
    DebtMenu& menu() const { return window->debtMenu(); }
    QWidget* gridArea() const { return control<QTableView>("fa")->viewport(); }

    // Right-clicks a debt row (from 0), or the white space below the rows.
    void rightClick(std::optional<int> row, Qt::MouseButton button = Qt::RightButton)
    {
        menu().hide();
        auto* grid = control<QTableView>("fa");
        const QPoint point = row ? grid->visualRect(debtGrid()->index(*row, 0)).center()
                                 : QPoint(10, gridArea()->height() - 5);
        QTest::mouseClick(gridArea(), button, {}, point);
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
    EXPECT_FALSE(menu().mnupopedit->isEnabled());
    EXPECT_FALSE(menu().mnupopdelete->isEnabled());
    EXPECT_EQ(menu().mnupopedit->text(), "Edit Debt");
    EXPECT_EQ(menu().mnupopdelete->text(), "Delete Debt");
    EXPECT_EQ(menu().mnutoolsexcessfunds->text(), "Extra Money:   0.00");
    EXPECT_EQ(menu().mnupopabout->text(), "About... ");
    EXPECT_TRUE(menu().mnupopadd->isEnabled());
}

TEST_F(DebtGridMenu, AddingTheFirstDebtSavesItAndListsIt)
{
    startWindow();
    rightClick(std::nullopt);
    whenShown<frmDebtEntry>([](frmDebtEntry& dialog) {
        box(dialog, "txtCreditor")->setText(QString::fromUtf8("Café")); // QTest types ASCII only
        type(dialog, "txtBalance", "1000");
        type(dialog, "txtMonthly", "25");
        type(dialog, "txtRate", "18");
        press(dialog, "cmdOK");
    });
    menu().mnupopadd->trigger();
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
    EXPECT_EQ(menu().mnupopedit->text(), "Edit Car");
    EXPECT_EQ(menu().mnupopdelete->text(), "Delete Car");
    rightClick(std::nullopt); // the white space keeps the current row
    EXPECT_EQ(menu().mnupopedit->text(), "Edit Car");
}

TEST_F(DebtGridMenu, OnlyTheRightButtonBelowTheHeaderWhileIdleOpensIt)
{
    threeDebts();
    rightClick(1, Qt::LeftButton);
    EXPECT_FALSE(menu().isVisible());
    QHeaderView* header = control<QTableView>("fa")->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    EXPECT_FALSE(menu().isVisible());
    control("cmdmess")->show(); // busy
    rightClick(1);
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(DebtGridMenu, TheMenuKeyOpensItForTheCurrentDebt)
{
    threeDebts();
    control<QTableView>("fa")->selectRow(1);
    QTest::keyClick(control<QTableView>("fa"), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().mnupopedit->text(), "Edit Amex");
    menu().hide();
    QTest::keyClick(control<QTableView>("fa"), Qt::Key_Menu);
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(DebtGridMenu, EditingSavesTheChangeAndListsTheDebtsInCollectionOrder)
{
    threeDebts();
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(debtCell(0, 0), QString("Visa").leftJustified(100)) << "priority order";
    rightClick(2); // Car, listed last by rate
    whenShown<frmDebtEntry>([](frmDebtEntry& dialog) {
        type(dialog, "txtBalance", "8000");
        press(dialog, "cmdOK");
    });
    menu().mnupopedit->trigger();
    EXPECT_EQ(account->Debts().Item("Car")->Balance, 8000);
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
    whenShown<frmDebtEntry>([](frmDebtEntry& dialog) {
        type(dialog, "txtBalance", "1");
        press(dialog, "cmdCancel");
    });
    menu().mnupopedit->trigger();
    EXPECT_EQ(account->Debts().Item("Visa")->Balance, 2000);
    EXPECT_EQ(dataFile(), before);
}

TEST_F(DebtGridMenu, DeletingAsksAndRemovesOnlyOnYes)
{
    threeDebts();
    rightClick(1);
    prompter.yesNoAnswers = {false};
    menu().mnupopdelete->trigger();
    EXPECT_EQ(prompter.shown.back().text, "Are you sure you want to delete Amex?");
    EXPECT_EQ(debtGrid()->rowCount(), 3);
    rightClick(1);
    prompter.yesNoAnswers = {true};
    menu().mnupopdelete->trigger();
    EXPECT_EQ(debtGrid()->rowCount(), 2);
    EXPECT_EQ(dataFile().size(), 2 * 132);
    EXPECT_EQ(account->Debts().Item("Amex"), nullptr);
}

TEST_F(DebtGridMenu, AfterTheLastDebtIsDeletedEditAndDeleteKeepTheirLastCaptions)
{
    givenDebts({{"Visa", 100, 0, 10, kStart}});
    startWindow();
    rightClick(0);
    menu().mnupopdelete->trigger();
    rightClick(std::nullopt);
    EXPECT_FALSE(menu().mnupopdelete->isEnabled());
    EXPECT_EQ(menu().mnupopdelete->text(), "Delete Visa");
    EXPECT_FALSE(enabled("cmdCalculate"));
}

TEST_F(DebtGridMenu, ExtraMoneyIsAskedForAndSaved)
{
    startWindow();
    const auto enter = [&](const QString& answer) {
        prompter.textAnswers = {answer};
        rightClick(std::nullopt);
        menu().mnutoolsexcessfunds->trigger();
        return settings.value("Settings/Excees Funds").toString();
    };
    EXPECT_EQ(enter("150"), "150");
    EXPECT_EQ(prompter.shown.back().title, "Extra Money");
    EXPECT_EQ(prompter.shown.back().text, "Enter the amount of extra money you have each month "
                                          "to pay off your debts:");
    rightClick(std::nullopt);
    EXPECT_EQ(menu().mnutoolsexcessfunds->text(), "Extra Money:   150.00");
    EXPECT_EQ(enter("1 000"), "1000");
    EXPECT_EQ(enter("12.5abc"), "12.5");
    EXPECT_EQ(account->excessfunds(), 12.5);
}

TEST_F(DebtGridMenu, ExtraMoneyThatIsNoAmountIsRefusedAndNothingChanges)
{
    givenDebts({}, 75);
    startWindow();
    for (const char* answer : {"$50", "abc", "-20"}) {
        prompter.textAnswers = {answer};
        rightClick(std::nullopt);
        menu().mnutoolsexcessfunds->trigger();
        EXPECT_TRUE(prompter.messages().constLast().contains("75")) << answer;
        EXPECT_EQ(account->excessfunds(), 75) << answer;
    }
    EXPECT_EQ(prompter.messages().size(), 3);
    for (const char* answer : {"", "75"}) { // Cancel, or OK on the offered text
        settings.remove("Settings/Excees Funds");
        prompter.textAnswers = {answer};
        menu().mnutoolsexcessfunds->trigger();
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
    whenShown<frmAbout>([&](frmAbout& about) {
        caption = about.windowTitle();
        title = about.findChild<QLabel*>("lblTitle")->text();
        version = about.findChild<QLabel*>("lblVersion")->text();
        EXPECT_FALSE(about.findChild<QLabel*>("Picture1")->pixmap().isNull());
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_FALSE(about.isVisible());
    });
    menu().mnupopabout->trigger();
    EXPECT_EQ(caption, "About Varnholt");
    EXPECT_EQ(title, "Varnholt");
    EXPECT_EQ(version, "Version 3.5");
}

} // namespace
