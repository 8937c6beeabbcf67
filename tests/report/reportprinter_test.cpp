#include "report/reportprinter.h"
#include "support/testsupport.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

// The windows point "Courier New" at a stand-in by a substitution of their
// own, and a machine's font configuration may or may not; the printed report
// must come out in a fixed-pitch font without either (these tests run with
// the fonts alone, see tests/CMakeLists.txt).
TEST(ReportPrinter, PrintsInCourierNewOrItsStandInWithoutTheWindowsSubstitutions)
{
    ASSERT_TRUE(QFont::substitutes("Courier New").isEmpty());
    const bool courierNew = QFontDatabase::families().contains("Courier New");
    for (const bool bold : {false, true}) {
        const QFontInfo used(ReportPrinter::font(bold));
        EXPECT_EQ(used.family(), courierNew ? "Courier New" : "Liberation Mono");
        EXPECT_TRUE(used.fixedPitch() && used.bold() == bold && used.pointSize() == 8);
    }
}

} // namespace
