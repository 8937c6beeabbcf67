#include "ui/common/qtprompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(QtPrompter, NamesInBoxesAreShownAsWrittenNotAsMarkup)
{
    QtPrompter prompter;
    const std::function<void()> boxes[] = {
        [&] { prompter.showMessage("A<b>x"); },
        [&] { prompter.askYesNo("Are you sure you want to delete A<b>x?"); },
    };
    for (const auto& show : boxes) {
        Qt::TextFormat format = Qt::RichText; // read while the box waits for its answer
        QTimer::singleShot(0, [&format] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            format = box->textFormat();
            box->buttons().constFirst()->click();
        });
        show();
        EXPECT_EQ(format, Qt::PlainText);
    }
}

} // namespace
