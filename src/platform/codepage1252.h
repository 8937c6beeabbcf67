#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The Windows-1252 code page, in which debts.dat and debts.tab store text.
// Decoding maps every byte to one character (the five unassigned bytes to the
// control characters of the same number, so that any byte survives a round
// trip); encoding writes a character the code page lacks as "?".
namespace Cp1252 {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

} // namespace Cp1252
