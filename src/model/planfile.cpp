#include "planfile.h"

#include "debtlist.h"
#include "platform/rate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

const QString kChanges = QStringLiteral("extraMoneyChanges");
const QString kPromotions = QStringLiteral("promotions");
const QString kOrder = QStringLiteral("customOrder");

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
    YearMonth month(const QJsonObject& entry, const QString& key, const QString& where)
    {
        const QString field = where + QLatin1Char('.') + key;
        const QString written = text(entry.value(key), field);
        const std::optional<YearMonth> month = YearMonth::parse(written);
        if (!month) {
            fail(PlanProblem::Kind::NotAMonth, field, written);
            return {};
        }
        return *month;
    }

    void changes(const QJsonObject& root, PaymentPlan& plan)
    {
        const QJsonArray entries = list(root, kChanges);
        for (qsizetype i = 0; i < entries.size() && !problem; ++i) {
            const QString where = QStringLiteral("%1[%2]").arg(kChanges).arg(i);
            const QJsonObject entry = object(entries[i], where);
            const QJsonValue once = entry.value(QStringLiteral("once"));
            if (!once.isUndefined() && !once.isBool())
                fail(PlanProblem::Kind::WrongType, where + QStringLiteral(".once"));
            plan.extraMoneyChanges.push_back({month(entry, QStringLiteral("month"), where),
                                              number(entry, QStringLiteral("amount"), where),
                                              once.toBool()});
        }
    }

    void promotions(const QJsonObject& root, PaymentPlan& plan)
    {
        const QJsonArray entries = list(root, kPromotions);
        for (qsizetype i = 0; i < entries.size() && !problem; ++i) {
            const QString where = QStringLiteral("%1[%2]").arg(kPromotions).arg(i);
            const QJsonObject entry = object(entries[i], where);
            const QString creditor =
                text(entry.value(QStringLiteral("creditor")), where + QStringLiteral(".creditor"));
            const double rate = number(entry, QStringLiteral("ratePercent"), where);
            if (!problem && (rate < 0 || rate > Rate::kHighestPercent))
                fail(PlanProblem::Kind::RateOutOfRange, where, QString::number(rate));
            if (!problem && plan.promotionOf(creditor))
                fail(PlanProblem::Kind::TwoPromotions, where, DebtList::keyOf(creditor));
            plan.promotions.push_back(
                {creditor, rate, month(entry, QStringLiteral("through"), where)});
        }
    }

    void order(const QJsonObject& root, PaymentPlan& plan)
    {
        const QJsonArray entries = list(root, kOrder);
        for (qsizetype i = 0; i < entries.size() && !problem; ++i) {
            const QString name = text(entries[i], QStringLiteral("%1[%2]").arg(kOrder).arg(i));
            for (const QString& earlier : plan.customOrder) {
                if (DebtList::sameKey(earlier, name))
                    fail(PlanProblem::Kind::NamedTwiceInOrder, kOrder, DebtList::keyOf(name));
            }
            plan.customOrder.append(name);
        }
    }
};

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
        return {{},
                PlanProblem{PlanProblem::Kind::NotJson, QString::number(parsed.offset),
                            parsed.errorString()}};
    if (!document.isObject())
        return {{}, PlanProblem{PlanProblem::Kind::WrongType, QStringLiteral("the file"), {}}};
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1)
        return {{}, PlanProblem{PlanProblem::Kind::WrongType, QStringLiteral("version"), {}}};
    if (version.toDouble() > kVersion)
        return {{},
                PlanProblem{PlanProblem::Kind::NewerVersion, QStringLiteral("version"),
                            QString::number(version.toDouble())}};
    Reader reader;
    Read read;
    reader.changes(root, read.plan);
    reader.promotions(root, read.plan);
    reader.order(root, read.plan);
    if (reader.problem)
        return {{}, reader.problem};
    return read;
}

QByteArray toJson(const PaymentPlan& plan)
{
    QJsonArray changes;
    for (const PaymentPlan::ExtraMoneyChange& change : plan.extraMoneyChanges)
        changes.append(QJsonObject{{QStringLiteral("month"), change.month.toString()},
                                   {QStringLiteral("amount"), change.amount},
                                   {QStringLiteral("once"), change.once}});
    QJsonArray promotions;
    for (const PaymentPlan::Promotion& promotion : plan.promotions)
        promotions.append(QJsonObject{{QStringLiteral("creditor"), promotion.creditor},
                                      {QStringLiteral("ratePercent"), promotion.ratePercent},
                                      {QStringLiteral("through"), promotion.through.toString()}});
    const QJsonObject root{{QStringLiteral("version"), kVersion},
                           {kChanges, changes},
                           {kPromotions, promotions},
                           {kOrder, QJsonArray::fromStringList(plan.customOrder)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace PlanFile
