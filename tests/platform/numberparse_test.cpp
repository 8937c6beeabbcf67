#include "platform/numberparse.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

TEST(NumberAtStart, ReadsTheNumberAtTheStartOfATextWhateverTheLocale)
{
    const struct {
        const char* text;
        double value;
        bool found;
    } cases[] = {
        {"150.5", 150.5, true},   {"150,5", 150, true}, // a comma ends the number
        {" \t1 0\n0", 100, true}, {"-20", -20, true},       {"-.25", -0.25, true},
        {"1.2.3", 1.2, true},     {"2D2", 200, true},       {"1.5E-1", 0.15, true},
        {"1e", 1, true},          {"12abc", 12, true},      {"$50", 0, false},
        {"", 0, false},           {"-", 0, false},          {"&H1F", 31, true},
        {"&HFFFF", -1, true},     {"&H10000", 65536, true}, {"&O17", 15, true},
        {"&O8", 0, false},        {"1e400", 0, false},
    };
    for (const auto& c : cases) {
        const ParsedNumber parsed = numberAtStart(QString::fromUtf8(c.text));
        EXPECT_DOUBLE_EQ(parsed.value, c.value) << c.text;
        EXPECT_EQ(parsed.found, c.found) << c.text;
    }
}

} // namespace
