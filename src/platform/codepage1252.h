#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The Windows-1252 code page, in which debts.dat and debts.tab store text.
// Decoding maps every byte to one character (the five unassigned bytes to the
// control characters of the same number, so that any byte survives a round
// trip); encoding writes a character the code page lacks as "?".
//
// The table is written out here rather than taken from a codec: Qt 6 offers
// this code page only where it was built with ICU, and the files must read
// the same on every machine.
namespace Cp1252 {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);
// The first character of the text that the code page lacks (one or two
// UTF-16 units), or empty text when it can write them all.
QString firstMissing(QStringView text);

} // namespace Cp1252
