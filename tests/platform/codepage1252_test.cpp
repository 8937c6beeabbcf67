#include "platform/codepage1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252::encode(text), all);
}

TEST(Cp1252, MapsTheWindowsLettersAndSigns)
{
    EXPECT_EQ(Cp1252::decode("\x80\xe9\x8a\x99"), QStringLiteral("€éŠ™"));
    EXPECT_EQ(Cp1252::encode(QStringLiteral("Café €")), QByteArray("Caf\xe9 \x80"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(Cp1252::encode(QStringLiteral("a漢b")), QByteArray("a?b"));
    EXPECT_EQ(Cp1252::encode(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"))
        << "a character beyond 16 bits is one character";
    EXPECT_EQ(Cp1252::encode(QStringLiteral("\u0100")), QByteArray("?"));
}

} // namespace
