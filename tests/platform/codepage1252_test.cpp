#include "platform/codepage1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, WritesTheWindowsSignsAndMarksWhatItLacks)
{
    const struct {
        QString text;
        QByteArray bytes;
        QString missing;
    } cases[] = {
        {QStringLiteral("Café €"), "Caf\xe9 \x80", {}},
        {QStringLiteral("‘Š’™Ÿ"), "\x91\x8a\x92\x99\x9f", {}},
        {QStringLiteral("a☃b?"), "a?b?", QStringLiteral("☃")},
        {QString::fromUtf8("x\xF0\x9F\x98\x80y"), "x?y", QString::fromUtf8("\xF0\x9F\x98\x80")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252::encode(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(Cp1252::firstMissing(c.text), c.missing) << c.text.toStdString();
        if (c.missing.isEmpty()) {
            EXPECT_EQ(Cp1252::decode(c.bytes), c.text);
        }
    }
}

} // namespace
