#include "jsonrepeatedkey.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <vector>

namespace {

// An object or a list the scan is inside, and where in it the scan is.
struct Level {
    bool isObject = false;
    bool atKey = false;  // objects: the next string is a key
    QString key{};       // objects: the latest key
    qsizetype index = 0; // lists: the element
    QSet<QString> keys{};
};

// A key as the parser reads it: escapes make two spellings one key ("\u0061"
// is "a"), so a key that has any is read by the parser itself.
QString keyOf(QByteArrayView quoted)
{
    if (!quoted.contains('\\'))
        return QString::fromUtf8(quoted.sliced(1, quoted.size() - 2));
    const QByteArray alone = '[' + quoted.toByteArray() + ']';
    return QJsonDocument::fromJson(alone).array().first().toString();
}

// Where the innermost level lies, as the plan's reader names places.
QString pathTo(const std::vector<Level>& levels)
{
    QString path;
    for (size_t i = 0; i + 1 < levels.size(); ++i) {
        if (!levels[i].isObject)
            path += QStringLiteral("[%1]").arg(levels[i].index);
        else
            path += (path.isEmpty() ? QString() : QStringLiteral(".")) + levels[i].key;
    }
    return path;
}

// The closing quote of the string whose opening quote is at `at`.
qsizetype closingQuote(QByteArrayView json, qsizetype at)
{
    for (++at; json[at] != '"'; ++at) {
        if (json[at] == '\\')
            ++at;
    }
    return at;
}

} // namespace

namespace JsonRepeatedKey {

std::optional<Found> find(const QByteArray& text)
{
    // The text is JSON already: only brackets, commas and strings matter.
    const QByteArrayView json(text);
    std::vector<Level> levels;
    for (qsizetype at = 0; at < json.size(); ++at) {
        switch (json[at]) {
        case '{':
            levels.push_back({true, true});
            break;
        case '[':
            levels.emplace_back();
            break;
        case '}':
        case ']':
            levels.pop_back();
            break;
        case ',':
            levels.back().atKey = levels.back().isObject;
            ++levels.back().index;
            break;
        case '"': {
            const qsizetype end = closingQuote(json, at);
            if (!levels.empty() && levels.back().atKey) {
                Level& object = levels.back();
                object.key = keyOf(json.sliced(at, end - at + 1));
                if (object.keys.contains(object.key))
                    return Found{pathTo(levels), object.key};
                object.keys.insert(object.key);
                object.atKey = false;
            }
            at = end;
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}

} // namespace JsonRepeatedKey
