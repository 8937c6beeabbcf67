#include "codepage1252.h"

#include <QHash>

namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QHash<char16_t, char>& highControlBytes()
{
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> map;
        for (int i = 0; i < 32; ++i)
            map.insert(kHighControls[i], static_cast<char>(0x80 + i));
        return map;
    }();
    return bytes;
}

constexpr char kMissing = '?';

char encodeChar(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    if (c <= 0xFFFF) {
        const auto& map = highControlBytes();
        const auto it = map.constFind(static_cast<char16_t>(c));
        if (it != map.constEnd())
            return it.value();
    }
    return kMissing;
}

} // namespace

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encode(QStringView text)
{
    // Most text is plain ASCII, which is the same in every single-byte code
    // page. (OR-ing the units is a loop the compiler turns into vector code.)
    char16_t bits = 0;
    const char16_t* units = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i)
        bits |= units[i];
    if (bits < 0x80)
        return text.toLatin1();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        bytes.append(encodeChar(c));
    return bytes;
}

QString firstMissing(QStringView text)
{
    for (const char32_t c : text.toUcs4()) {
        if (encodeChar(c) == kMissing && c != U'?')
            return QString::fromUcs4(&c, 1);
    }
    return {};
}

} // namespace Cp1252
