#include "platform/numberparse.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    double value;
    bool found;
};

class NumberAtStart : public testing::TestWithParam<Case> {};

TEST_P(NumberAtStart, ReadsTheLeadingNumber)
{
    const Case& c = GetParam();
    const ParsedNumber parsed = numberAtStart(QString::fromUtf8(c.text));
    EXPECT_DOUBLE_EQ(parsed.value, c.value) << c.text;
    EXPECT_EQ(parsed.found, c.found) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberAtStart,
    testing::Values(Case{"150", 150, true}, Case{"150.5", 150.5, true},
                    Case{"150,5", 150, true},  // a comma ends the number
                    Case{"1 000", 1000, true}, // blanks are skipped anywhere
                    Case{" \t1\n2", 12, true}, // so are tabs and line feeds
                    Case{"-20", -20, true}, Case{"+7", 7, true}, Case{".5", 0.5, true},
                    Case{"-.25", -0.25, true}, Case{"5.", 5, true}, Case{"1.2.3", 1.2, true},
                    Case{"1e3", 1000, true}, Case{"2D2", 200, true}, Case{"1.5E-1", 0.15, true},
                    Case{"1e", 1, true}, // an exponent needs digits
                    Case{"12abc", 12, true}, Case{"$50", 0, false}, Case{"abc", 0, false},
                    Case{"", 0, false}, Case{"-", 0, false}, Case{".", 0, false},
                    Case{"&H1F", 31, true}, Case{"&hff", 255, true},
                    Case{"&HFFFF", -1, true}, // 16-bit when it fits in 16 bits
                    Case{"&H10000", 65536, true}, Case{"&O17", 15, true}, Case{"&O8", 0, false},
                    Case{"&H", 0, false}, Case{"&X1", 0, false},
                    Case{"1e400", 0, false}, // out of range is no number
                    Case{"&H123456789", 0, false}));

} // namespace
