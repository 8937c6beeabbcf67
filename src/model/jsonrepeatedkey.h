#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// QJsonDocument keeps only the last of a key given twice in one object, so
// the first value would be lost without a word at the next save. This finds
// such a key in one pass over the text, before the document is trusted.
namespace JsonRepeatedKey {

struct Found {
    QString where; // the object, as "promotions[2]"; empty for the outermost
    QString key;
};

// The first key given twice in one object of a text QJsonDocument parsed.
std::optional<Found> find(const QByteArray& json);

} // namespace JsonRepeatedKey
