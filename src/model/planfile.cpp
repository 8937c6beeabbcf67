#include "planfile.h"

#include "debtlist.h"
#include "jsonrepeatedkey.h"
#include "platform/rate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace {

const QString kVersionKey = QStringLiteral("version");
const QString kChanges = QStringLiteral("extraMoneyChanges");
const QString kPromotions = QStringLiteral("promotions");
const QString kOrder = QStringLiteral("customOrder");
const QString kMonth = QStringLiteral("month");
const QString kAmount = QStringLiteral("amount");
const QString kOnce = QStringLiteral("once");
const QString kCreditor = QStringLiteral("creditor");
const QString kRate = QStringLiteral("ratePercent");
const QString kThrough = QStringLiteral("through");
const QString kTheFile = QStringLiteral("the file");

// A number as the file gives it: the shortest text that reads back as the
// same number, so that a rate of 100.0001 is not shown as 100.
QString asWritten(double number)
{
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

// What is left of an object once the keys this program reads are taken out.
QJsonObject otherKeys(QJsonObject object, std::initializer_list<QString> known)
{
    for (const QString& key : known)
        object.remove(key);
    return object;
}

// An object's known keys written over the ones it was read with.
QJsonObject withOtherKeys(QJsonObject others,
                          std::initializer_list<std::pair<QString, QJsonValue>> known)
{
    for (const auto& [key, value] : known)
        others.insert(key, value);
    return others;
}

// Whether a debt is named for the first time, letter case and spaces aside.
bool isNew(QSet<QString>& named, const QString& name)
{
    const qsizetype before = named.size();
    named.insert(DebtList::lookupKey(name));
    return named.size() > before;
}

// Reading stops at the first problem, which is kept.
class Reader {
public:
    std::optional<PlanProblem> problem;

    bool fail(PlanProblem::Kind kind, const QString& where, const QString& detail = {})
    {
        if (!problem)
            problem = PlanProblem{kind, where, detail};
        return false;
    }

    // The list under a key: missing is empty; anything but a list is wrong.
    QJsonArray list(const QJsonObject& root, const QString& key)
    {
        const QJsonValue value = root.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isArray())
            fail(PlanProblem::Kind::WrongType, key);
        return value.toArray();
    }
    QJsonObject object(const QJsonValue& value, const QString& where)
    {
        if (!value.isObject())
            fail(PlanProblem::Kind::WrongType, where);
        return value.toObject();
    }
    double number(const QJsonObject& entry, const QString& key, const QString& where)
    {
        const QJsonValue value = entry.value(key);
        if (!value.isDouble() || !std::isfinite(value.toDouble()))
            fail(PlanProblem::Kind::WrongType, where + QLatin1Char('.') + key);
        return value.toDouble();
    }
    QString text(const QJsonValue& value, const QString& where)
    {
        if (!value.isString())
            fail(PlanProblem::Kind::WrongType, where);
        return value.toString();
    }
    // A debt's name in the form debts.dat's names have, so that an accent
    // typed as a letter and a combining mark still names the debt.
    QString name(const QJsonValue& value, const QString& where)
    {
        return text(value, where).normalized(QString::NormalizationForm_C);
    }
    YearMonth month(const QJsonObject& entry, const QString& key, const QString& where)
    {
        const QString field = where + QLatin1Char('.') + key;
        const QString written = text(entry.value(key), field);
        const std::optional<YearMonth> month = YearMonth::parse(written);
        if (!month) {
            fail(PlanProblem::Kind::NotAMonth, field, written);
            return {};
        }
        // Four digits end the years at kLastMonth already.
        if (*month < PlanFile::kFirstMonth)
            fail(PlanProblem::Kind::MonthOutOfRange, field, written);
        return *month;
    }
    double amount(const QJsonObject& entry, const QString& where)
    {
        const double amount = number(entry, kAmount, where);
        sizes_ += std::abs(amount);
        if (std::abs(amount) > PlanFile::kLargestAmount)
            fail(PlanProblem::Kind::AmountOutOfRange, where + QLatin1Char('.') + kAmount,
                 asWritten(amount));
        if (sizes_ > PlanFile::kLargestAmount)
            fail(PlanProblem::Kind::AmountsOutOfRange, where);
        return amount;
    }

    void changes(const QJsonObject& root, PaymentPlan& plan)
    {
        const QJsonArray entries = list(root, kChanges);
        for (qsizetype i = 0; i < entries.size() && !problem; ++i) {
            const QString where = QStringLiteral("%1[%2]").arg(kChanges).arg(i);
            const QJsonObject entry = object(entries[i], where);
            const QJsonValue once = entry.value(kOnce);
            if (!once.isUndefined() && !once.isBool())
                fail(PlanProblem::Kind::WrongType, where + QLatin1Char('.') + kOnce);
            plan.extraMoneyChanges.push_back({month(entry, kMonth, where), amount(entry, where),
                                              once.toBool(),
                                              otherKeys(entry, {kMonth, kAmount, kOnce})});
        }
    }

    void promotions(const QJsonObject& root, PaymentPlan& plan)
    {
        QSet<QString> promoted;
        const QJsonArray entries = list(root, kPromotions);
        for (qsizetype i = 0; i < entries.size() && !problem; ++i) {
            const QString where = QStringLiteral("%1[%2]").arg(kPromotions).arg(i);
            const QJsonObject entry = object(entries[i], where);
            const QString creditor =
                name(entry.value(kCreditor), where + QLatin1Char('.') + kCreditor);
            const double rate = number(entry, kRate, where);
            if (!problem && (rate < 0 || rate > Rate::kHighestPercent))
                fail(PlanProblem::Kind::RateOutOfRange, where, asWritten(rate));
            if (!problem && !isNew(promoted, creditor))
                fail(PlanProblem::Kind::TwoPromotions, where, DebtList::keyOf(creditor));
            plan.promotions.push_back({creditor, rate, month(entry, kThrough, where),
                                       otherKeys(entry, {kCreditor, kRate, kThrough})});
        }
    }

    void order(const QJsonObject& root, PaymentPlan& plan)
    {
        QSet<QString> ordered;
        const QJsonArray entries = list(root, kOrder);
        for (qsizetype i = 0; i < entries.size() && !problem; ++i) {
            const QString debt = name(entries[i], QStringLiteral("%1[%2]").arg(kOrder).arg(i));
            if (!problem && !isNew(ordered, debt))
                fail(PlanProblem::Kind::NamedTwiceInOrder, kOrder, DebtList::keyOf(debt));
            plan.customOrder.append(debt);
        }
    }

private:
    double sizes_ = 0.0; // of the extra money changes read so far
};

PlanFile::Read refused(const PlanProblem& problem)
{
    return {{}, problem};
}

} // namespace

namespace PlanFile {

Read read(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, PlanProblem{PlanProblem::Kind::NotReadable, {}, file.errorString()}};
    const QByteArray json = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, PlanProblem{PlanProblem::Kind::NotReadable, {}, file.errorString()}};
    return fromJson(json);
}

Read fromJson(const QByteArray& json)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    if (parsed.error != QJsonParseError::NoError)
        return refused(
            {PlanProblem::Kind::NotJson, QString::number(parsed.offset), parsed.errorString()});
    if (const auto repeated = JsonRepeatedKey::find(json))
        return refused({PlanProblem::Kind::RepeatedKey,
                        repeated->where.isEmpty() ? kTheFile : repeated->where, repeated->key});
    if (!document.isObject())
        return refused({PlanProblem::Kind::WrongType, kTheFile, {}});
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(kVersionKey);
    if (!version.isDouble())
        return refused({PlanProblem::Kind::WrongType, kVersionKey, {}});
    if (version.toDouble() != kVersion)
        return refused(
            {PlanProblem::Kind::UnknownVersion, kVersionKey, asWritten(version.toDouble())});
    Reader reader;
    Read read;
    reader.changes(root, read.plan);
    reader.promotions(root, read.plan);
    reader.order(root, read.plan);
    if (reader.problem)
        return refused(*reader.problem);
    read.plan.otherKeys = otherKeys(root, {kVersionKey, kChanges, kPromotions, kOrder});
    return read;
}

QByteArray toJson(const PaymentPlan& plan)
{
    QJsonArray changes;
    for (const PaymentPlan::ExtraMoneyChange& change : plan.extraMoneyChanges)
        changes.append(withOtherKeys(
            change.otherKeys,
            {{kMonth, change.month.toString()}, {kAmount, change.amount}, {kOnce, change.once}}));
    QJsonArray promotions;
    for (const PaymentPlan::Promotion& promotion : plan.promotions)
        promotions.append(
            withOtherKeys(promotion.otherKeys, {{kCreditor, promotion.creditor},
                                                {kRate, promotion.ratePercent},
                                                {kThrough, promotion.through.toString()}}));
    const QJsonObject root =
        withOtherKeys(plan.otherKeys, {{kVersionKey, kVersion},
                                       {kChanges, changes},
                                       {kPromotions, promotions},
                                       {kOrder, QJsonArray::fromStringList(plan.customOrder)}});
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace PlanFile
