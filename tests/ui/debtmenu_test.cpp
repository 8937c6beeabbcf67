#include "mainwindowfixture.h"
#include "ui/entry/debtentrydialog.h"
#include "ui/main/debtmenu.h"

#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

namespace {

using namespace DialogScript;

class DebtGridMenu : public MainWindowFixture {
protected:
    DebtMenu& menu() const { return *control<DebtMenu>("mnupopup"); }
    QTableView* grid() const { return control<QTableView>("fa"); }
    QPoint rowCentre(int row) const
    {
        return grid()->visualRect(debtGrid()->index(row, 0)).center();
    }
    QPoint whiteSpace() const { return {10, grid()->viewport()->height() - 5}; }
    // Clicks the grid's cells with the menu closed; true when the menu opened.
    bool click(QPoint point, Qt::MouseButton button = Qt::RightButton)
    {
        menu().hide();
        systemClick(grid()->viewport(), point, button);
        return menu().isVisible();
    }
    void threeDebts(int more = 0)
    {
        std::vector<Debt> debts = {{"Visa", 2000, 0.18, 60, today},
                                   {"Amex", 500, 0.15, 25, today},
                                   {"Car", 9000, 0.07, 250, today}};
        for (int i = 0; i < more; ++i) // enough for a scroll bar
            debts.push_back({QString("Debt %1").arg(i), 100, 0, 10, today});
        startWith(debts);
        QCoreApplication::processEvents(); // lays the grid out
    }
    QString captions() const
    {
        return QStringList({menu().editItem->text(), menu().deleteItem->text(),
                            menu().extraMoneyItem->text(), menu().aboutItem->text()})
            .join('|');
    }
    QByteArray dataFile() const { return readFile(folder.filePath("debts.dat")); }
};

TEST_F(DebtGridMenu, OpensForTheRowUnderThePointerOrTheCurrentOne)
{
    start();
    ASSERT_TRUE(click(whiteSpace())) << "an empty grid has a menu too";
    EXPECT_FALSE(menu().editItem->isEnabled() || menu().deleteItem->isEnabled());
    EXPECT_EQ(captions(), "Edit Debt|Delete Debt|Extra Money:   0.00|About... ");
    EXPECT_EQ(menu().compareItem->text() + "|" + menu().planItem->text(),
              "Compare Plans...\tCtrl+M|Payment Plan...\tCtrl+L")
        << "the menu bar's shortcuts";
    threeDebts();
    // Shift+F10, or the Menu key as the window system hands it to the focused grid.
    const auto key = [&](int row, Qt::Key key) {
        menu().hide();
        grid()->selectRow(row);
        const QPoint at = grid()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at, grid()->mapToGlobal(at));
        if (key == Qt::Key_F10)
            QTest::keyClick(grid(), key, Qt::ShiftModifier);
        else
            QApplication::sendEvent(grid(), &menuKey);
        return menu().isVisible();
    };
    const std::pair<std::function<bool()>, const char*> cases[] = {
        {[&] { return click(rowCentre(2)); }, "Car"},
        {[&] { return click(whiteSpace()); }, "Car"}, // the current row stays
        {[&] {
             return click({grid()->viewport()->width() - 3, rowCentre(1).y()});
         },
         "Amex"},
        {[&] { return key(0, Qt::Key_F10); }, "Visa"},
        {[&] { return key(1, Qt::Key_Menu); }, "Amex"},
        {[&] { return click(rowCentre(0), Qt::LeftButton); }, nullptr},
        {[&] {
             control("cmdmess")->show(); // busy
             const bool opened = click(rowCentre(0));
             control("cmdmess")->hide();
             return opened;
         },
         nullptr},
        {[&] {
             systemClick(grid()->horizontalHeader()->viewport(), {20, 5});
             return menu().isVisible();
         },
         nullptr},
    };
    for (const auto& [opened, named] : cases) {
        EXPECT_EQ(opened(), named != nullptr) << (named ? named : "closed");
        if (named) {
            EXPECT_EQ(captions().section('|', 0, 1), QString("Edit %1|Delete %1").arg(named));
        }
    }
}

TEST_F(DebtGridMenu, ItsWindowsOpenFromItAndCloseWithEscapeAndAboutNamesTheVersion)
{
    start();
    QStringList shown;
    for (QAction* item : {menu().aboutItem, menu().compareItem, menu().planItem}) {
        whenShown<QDialog>([&](QDialog& window) {
            const auto* version = window.findChild<QLabel*>("lblVersion");
            shown.append(window.windowTitle() + (version ? "|" + version->text() : ""));
            QTest::keyClick(&window, Qt::Key_Escape);
            shown.last() += window.isVisible() ? "|open" : "|closed";
        });
        item->trigger();
    }
    EXPECT_EQ(shown, QStringList({"About Varnholt|Version 3.5|closed", "Compare Plans|closed",
                                  "Payment Plan|closed"}));
}

TEST_F(DebtGridMenu, TheScrollBarOpensNoMenu)
{
    threeDebts(20);
    QScrollBar* bar = grid()->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    QWidget* popup = nullptr; // Qt's own scroll menu would wait for an answer
    QTimer::singleShot(0, [&] {
        if ((popup = QApplication::activePopupWidget()))
            popup->close();
    });
    systemClick(bar, bar->rect().center()); // a menu would run the timer while it waits
    EXPECT_EQ(popup, nullptr);
}

TEST_F(DebtGridMenu, AddingAndEditingSaveAndListTheDebtsInCollectionOrder)
{
    threeDebts();
    control<QComboBox>("cbomethod")->setCurrentIndex(1);
    MainWindowFixture::click("cmdCalculate"); // lists Amex, Visa, Car by balance
    click(rowCentre(2));
    for (const char* item : {"edit", "add"}) {
        whenShown<DebtEntryDialog>([&](DebtEntryDialog& dialog) {
            if (item == QString("add")) // QTest types ASCII only
                box(dialog, "txtCreditor")->setText(QString::fromUtf8("Café"));
            type(dialog, "txtBalance", "8000");
            type(dialog, "txtMonthly", "250");
            type(dialog, "txtRate", "7");
            press(dialog, "cmdOK");
        });
        (item == QString("add") ? menu().addItem : menu().editItem)->trigger();
    }
    EXPECT_EQ(account.debts().find("Car")->balance, 8000);
    EXPECT_EQ(cell(debtGrid(), 0, 0).trimmed() + cell(debtGrid(), 3, 0),
              QString::fromUtf8("VisaCafé"))
        << "collection order";
    EXPECT_EQ(label("lbltotal"), "$18,500.00");
    EXPECT_EQ(dataFile().mid(3 * 132, 100), QByteArray("Caf\xe9").leftJustified(100));
    EXPECT_GT(schedule()->rowCount(), 0) << "the schedule stays";
    MainWindowFixture::click("cmdCalculate");
    for (int row = 0; row < debtGrid()->rowCount(); ++row) // Café too, added since the load
        EXPECT_EQ(cell(debtGrid(), row, 0).size(), 100)
            << "the order of payment shows each name as its record of debts.dat holds it";
}

TEST_F(DebtGridMenu, DeletingAsksAndRemovesOnlyOnYes)
{
    threeDebts();
    MainWindowFixture::click("cmdCalculate"); // a schedule to print
    click(rowCentre(1));
    prompter.yesNoAnswers = {false};
    menu().deleteItem->trigger();
    EXPECT_EQ(prompter.texts(), QStringList({"Are you sure you want to delete Amex?"}));
    EXPECT_EQ(debtGrid()->rowCount(), 3);
    for (int row : {1, 1, 0}) {
        click(rowCentre(row));
        menu().deleteItem->trigger();
    }
    EXPECT_EQ(dataFile().size(), 0);
    click(whiteSpace());
    EXPECT_FALSE(menu().deleteItem->isEnabled());
    EXPECT_EQ(menu().deleteItem->text(), "Delete Visa") << "the last name it showed";
    EXPECT_FALSE(enabled("cmdCalculate") || enabled("cmdprint"));
    addDebts(account.debts(), {{"New", 10, 0, 1, today}});
    EXPECT_FALSE(enabled("cmdprint")) << "a schedule of debts now gone is printed no more";
}

TEST_F(DebtGridMenu, AChangeThatCannotBeSavedIsTakenBackAndTheMessageSaysWhy)
{
    threeDebts();
    const QString dataPath = folder.filePath("debts.dat");
    QFile::remove(dataPath);
    QDir().mkdir(dataPath); // debts.dat can no longer be written
    const auto shown = [&] {
        QStringList cells = {label("lbltotal")};
        for (int row = 0; row < debtGrid()->rowCount(); ++row)
            cells.append(cell(debtGrid(), row, 0).trimmed() + " " + cell(debtGrid(), row, 1));
        return cells.join('|');
    };
    const QString before = "$11,500.00|Visa $2,000.00|Amex $500.00|Car $9,000.00";
    ASSERT_EQ(shown(), before);
    const std::function<void()> changes[] = {
        [&] {
            whenShown<DebtEntryDialog>([](DebtEntryDialog& dialog) {
                for (const auto& [name, text] : {std::pair("txtCreditor", "Alpha"),
                                                 {"txtBalance", "10"},
                                                 {"txtMonthly", "1"},
                                                 {"txtRate", "0"}})
                    type(dialog, name, text);
                press(dialog, "cmdOK");
            });
            menu().addItem->trigger();
        },
        [&] { menu().deleteItem->trigger(); },
    };
    for (const auto& change : changes) {
        prompter.shown.clear();
        click(rowCentre(1));
        change();
        EXPECT_EQ(shown(), before);
        EXPECT_EQ(prompter.texts().last(), "The debts could not be saved. " + dataPath +
                                               " is a folder, not a file: move it away. Your "
                                               "change was taken back.");
    }
}

// Every amount box reads what is typed the same way (see TypedAmount); here
// through the extra money box, in the locales it must read.
TEST_F(DebtGridMenu, ExtraMoneyIsReadWholeAsTypedAndARefusedAmountComesBackToBeCorrected)
{
    start();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale egyptian(QLocale::Arabic, QLocale::Egypt);
    const struct {
        QLocale locale;
        const char16_t* typed; // "" is Cancel
        double saved;          // -1: nothing saved
    } cases[] = {
        {kUs, u"150", 150},
        {kUs, u"1,000", 1000},
        {kUs, u"1 000", 1000},
        {kUs, u"$50", 50},
        {kUs, u"50 $", 50},
        {kUs, u"0", 0},
        {kUs, u"12abc", -1},
        {kUs, u"12.5abc", -1},
        {kUs, u"1,2,3", -1},
        {kUs, u"1E3", -1},
        {kUs, u"&H10", -1},
        {kUs, u"-20", -1},
        {kUs, u"   ", -1},
        {kUs, u"", -1},
        {kUs, u"75", -1},
        {german, u"150,5", 150.5},
        {german, u"1.234,5", 1234.5},
        {german, u"1.234", 1234},
        {german, u"1,2,3", -1},
        {egyptian, u"\u0661\u0665\u0660", 150},
        {egyptian, u"x", -1},
    };
    for (const auto& c : cases) {
        const ScopedLocale inLocale(c.locale);
        const QString typed = QString::fromUtf16(c.typed);
        account.setExtraMoney(75);
        settings.remove("Settings/Excees Funds");
        prompter.shown.clear();
        prompter.offered.clear();
        prompter.textAnswers = {typed}; // then Cancel
        menu().extraMoneyItem->trigger();
        const bool refused = c.saved < 0 && !typed.isEmpty() && typed != "75";
        EXPECT_EQ(account.extraMoney(), c.saved < 0 ? 75 : c.saved) << typed.toStdString();
        EXPECT_EQ(settings.contains("Settings/Excees Funds"), c.saved >= 0) << typed.toStdString();
        if (refused) {
            ASSERT_EQ(prompter.texts().size(), 3u)
                << typed.toStdString(); // asked, refused, asked again
            EXPECT_EQ(prompter.texts().at(1),
                      "The extra money must be an amount of 0 or more, such as " +
                          c.locale.toString(1250.75, 'f', 2) + "; you typed \"" + typed + "\".");
            EXPECT_EQ(prompter.offered.at(1), typed) << "offered again as typed";
        } else {
            EXPECT_EQ(prompter.texts().size(), 1u) << typed.toStdString();
        }
        EXPECT_EQ(prompter.offered.at(0), c.locale.toString(75)) << "the amount as it stands";
    }
    EXPECT_EQ(prompter.shown.at(0).title, "Extra Money");
    EXPECT_EQ(prompter.texts().at(0),
              "Enter the amount of extra money you have each month to pay off your debts:");
}

} // namespace
