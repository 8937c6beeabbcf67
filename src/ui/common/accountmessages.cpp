#include "accountmessages.h"

#include "filewords.h"
#include "historywords.h"
#include "model/extramoneysetting.h"
#include "platform/appinfo.h"
#include "platform/prompter.h"

#include <algorithm>

namespace {

using FileWords::describe;
using FileWords::shownPath;

QString list(const QStringList& names)
{
    return names.join(QStringLiteral(", "));
}

// "1 record holds" or "3 records hold".
QString counted(qint64 count, const QString& one, const QString& many)
{
    return QString::number(count) + QLatin1Char(' ') + (count == 1 ? one : many);
}

QString flawedDebtsNamed(const std::vector<std::pair<QString, Debt::Flaw>>& flawed)
{
    QStringList debts;
    for (const auto& [name, flaw] : flawed) {
        debts.append(
            flaw == Debt::Flaw::NotANumber
                ? QStringLiteral("%1 (a number that is not an amount, rate or date)").arg(name)
                : QStringLiteral("%1 (a start date past the year 9999)").arg(name));
    }
    return QStringLiteral("These debts cannot be calculated until they are edited or deleted: "
                          "%1.")
        .arg(list(debts));
}

} // namespace

namespace AccountMessages {

QString openInAnotherCopy(const QString& folder, const FolderLock::Holder& holder,
                          const QString& lock)
{
    return QStringLiteral("These debts are open in another copy of %1 (process %2), which keeps "
                          "them in %3 under the lock %4. Go on in that copy: two copies saving "
                          "the same debts would undo each other's changes.")
        .arg(kAppTitle, QString::number(holder.process), shownPath(folder), shownPath(lock));
}

QString folderNotWritable(const QString& folder)
{
    return QStringLiteral("The folder %1 cannot be written, so no change to your debts can be "
                          "saved there.")
        .arg(shownPath(folder));
}

namespace {

// "40 minutes", "5 hours", "3 days": how old a lock is, in its largest unit.
QString age(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(seconds / 60, 0);
    if (minutes < 120)
        return counted(minutes, QStringLiteral("minute"), QStringLiteral("minutes"));
    if (minutes < 48 * 60)
        return counted(minutes / 60, QStringLiteral("hour"), QStringLiteral("hours"));
    return counted(minutes / (24 * 60), QStringLiteral("day"), QStringLiteral("days"));
}

} // namespace

QString lockedOnAnotherMachine(const FolderLock::Holder& holder, const QString& lock,
                               const QDateTime& now)
{
    return QStringLiteral("These debts are open in a copy of %1 on the machine %2: its lock %3 "
                          "was taken %4 ago. Take the lock over? Only do so if that copy is no "
                          "longer running: two copies saving the same debts would undo each "
                          "other's changes.")
        .arg(kAppTitle, holder.machine, shownPath(lock), age(holder.since.secsTo(now)));
}

QString lockInTheWay(const FileProblem& problem)
{
    const QString what =
        problem.isNonFile()
            ? describe(problem)
            : QStringLiteral("The lock file %1 cannot be removed (%2): remove it yourself.")
                  .arg(shownPath(problem.path), problem.detail);
    return what + QStringLiteral(" It stands where the lock that keeps these debts to one copy "
                                 "of %1 goes, so no change can be saved until it is gone.")
                      .arg(kAppTitle);
}

QString addRefused(DebtList::AddResult result, const QString& creditor)
{
    const QString name = DebtList::keyOf(creditor);
    switch (result) {
    case DebtList::AddResult::Added:
        break;
    case DebtList::AddResult::DuplicateKey:
        return QStringLiteral("A debt named \"%1\" is already in the list.").arg(name);
    case DebtList::AddResult::ListFull:
        return QStringLiteral("No more debts can be added: the list holds %1 debts, the most it "
                              "can store. \"%2\" was not added.")
            .arg(DebtList::kMaxCount)
            .arg(name);
    }
    return {};
}

QString deleteQuestion(const QString& creditor, bool promoted, bool ordered, bool hasHistory)
{
    QString question = QStringLiteral("Are you sure you want to delete ") +
                       DebtList::keyOf(creditor) + QStringLiteral("?");
    if (promoted)
        question += QStringLiteral(" Its promotion goes with it.");
    if (ordered)
        question += QStringLiteral(" Its place in your custom order goes with it.");
    if (hasHistory)
        question += QStringLiteral(" Its payment history is kept.");
    return question;
}

QString forRename(const RenameResult& result)
{
    if (result.history)
        return HistoryWords::notKept(*result.history) + QStringLiteral(" The debt keeps its name.");
    return forSave(result.files, !result.renamed());
}

QString cannotCalculate(const DebtList& debts)
{
    const auto flawed = debts.flawedDebts();
    return flawed.empty() ? QString() : flawedDebtsNamed(flawed);
}

QString planProblem(const PlanProblem& problem)
{
    const QString largestAmount = QLocale().toString(PlanFile::kLargestAmount, 'f', 0);
    switch (problem.kind) {
    case PlanProblem::Kind::NotReadable:
        return QStringLiteral("the system says: %1").arg(problem.detail);
    case PlanProblem::Kind::NotJson:
        return QStringLiteral("it is not JSON (%1 at character %2)")
            .arg(problem.detail, problem.where);
    case PlanProblem::Kind::RepeatedKey:
        return QStringLiteral("%1 gives \"%2\" more than once, where only one can be kept")
            .arg(problem.where, problem.detail);
    case PlanProblem::Kind::UnknownVersion:
        return QStringLiteral("it is of a version this program does not know (%1)")
            .arg(problem.detail);
    case PlanProblem::Kind::WrongType:
        return QStringLiteral("%1 is not what the format allows there").arg(problem.where);
    case PlanProblem::Kind::NotAMonth:
        return QStringLiteral("%1 is \"%2\", not a month such as 2027-05")
            .arg(problem.where, problem.detail);
    case PlanProblem::Kind::MonthOutOfRange:
        return QStringLiteral("%1 is %2, not a month from %3 to %4")
            .arg(problem.where, problem.detail, PlanFile::kFirstMonth.toString(),
                 PlanFile::kLastMonth.toString());
    case PlanProblem::Kind::AmountOutOfRange:
        return QStringLiteral("%1 is %2, not an amount from -%3 to %3")
            .arg(problem.where, problem.detail, largestAmount);
    case PlanProblem::Kind::AmountsOutOfRange:
        return QStringLiteral("the extra money changes up to %1 add up to more than %2 (a cut "
                              "counted as a raise), the most they can come to together")
            .arg(problem.where, largestAmount);
    case PlanProblem::Kind::RateOutOfRange:
        return QStringLiteral("%1 has a rate of %2 %, not one from 0 to 100")
            .arg(problem.where, problem.detail);
    case PlanProblem::Kind::TwoPromotions:
        return QStringLiteral("%1 has more than one promotion").arg(problem.detail);
    case PlanProblem::Kind::NamedTwiceInOrder:
        return QStringLiteral("the custom order names %1 twice").arg(problem.detail);
    }
    return {};
}

QString brokenOffSave(const LoadReport::BrokenOffSave& broken)
{
    using Outcome = LoadReport::BrokenOffSave::Outcome;
    const QString journal = shownPath(broken.journal);
    switch (broken.outcome) {
    case Outcome::Finished:
        return QStringLiteral("A change was broken off while it was being saved. It has now been "
                              "finished from its journal (%1): %2 hold it.")
            .arg(journal, broken.files.join(QStringLiteral(" and ")));
    case Outcome::Dropped:
        return QStringLiteral("A change was broken off before it could be saved. Its journal "
                              "(%1) was not whole, so the change was dropped: your files are as "
                              "they were before it.")
                   .arg(journal) +
               (broken.problem ? QStringLiteral(" The journal could not be removed. ") +
                                     describe(*broken.problem)
                               : QString());
    case Outcome::NotFinished:
        return QStringLiteral("A change was broken off while it was being saved, and could not be "
                              "finished from its journal (%1). %2 It is finished at the first "
                              "start that can write the files.")
            .arg(journal, describe(*broken.problem));
    }
    return {};
}

QStringList forLoad(const LoadReport& report)
{
    QStringList messages;
    if (report.brokenOffSave)
        messages.append(brokenOffSave(*report.brokenOffSave));
    for (const FileProblem& notAFile : report.notFiles)
        messages.append(describe(notAFile) + QStringLiteral(" The program goes on without it."));
    const QString file = Account::kDataFileName;
    if (report.readError)
        return messages << QStringLiteral("%1 could not be read, and is left as it is: no change "
                                          "will be saved over it. %2")
                               .arg(file, describe(*report.readError));
    QStringList notTaken;
    if (!report.repeatedNames.isEmpty())
        notTaken.append(QStringLiteral("more than one debt is named %1; only the first of each "
                                       "was loaded")
                            .arg(list(report.repeatedNames)));
    if (report.tooMany)
        notTaken.append(QStringLiteral("it holds more than %1 debts, the most the list can hold; "
                                       "only the first %1 were loaded")
                            .arg(DebtList::kMaxCount));
    if (report.emptiedRecords > 0)
        notTaken.append(counted(report.emptiedRecords, QStringLiteral("emptied record holds"),
                                QStringLiteral("emptied records hold")) +
                        QStringLiteral(" no debt"));
    if (report.strayBytes > 0)
        notTaken.append(counted(report.strayBytes, QStringLiteral("byte at its end is"),
                                QStringLiteral("bytes at its end are")) +
                        QStringLiteral(" not a whole record"));
    if (report.notANumber() > 0)
        notTaken.append(counted(report.notANumber(), QStringLiteral("debt holds"),
                                QStringLiteral("debts hold")) +
                        QStringLiteral(" numbers that are not amounts, rates or dates"));
    if (!notTaken.isEmpty())
        messages.append(QStringLiteral("Not all of %1 could be used:\n- %2.\nBefore the first "
                                       "change is saved, the file is kept as it is beside it.")
                            .arg(file, notTaken.join(QStringLiteral(";\n- "))));
    if (!report.flawed.empty())
        messages.append(flawedDebtsNamed(report.flawed));
    if (report.planProblem)
        messages.append(QStringLiteral("%1 could not be read, so the program goes on without its "
                                       "plan: %2. When the plan is next saved, the file is first "
                                       "kept as it is beside it.")
                            .arg(PlanFile::kFileName, planProblem(*report.planProblem)));
    if (report.historyProblem)
        messages.append(HistoryWords::offAtStart(*report.historyProblem));
    return messages;
}

namespace {

// How a save's messages speak of a store: what it holds ("the debts", which
// `were` saved), why its file is kept before it is replaced, and where it is
// when that is not the data folder.
struct StoreWords {
    QString store;
    QString subject;
    QString were;
    QString keptWhy;
    QString where;
};

// In the order the user reads of them; a store without words of its own is
// named by its file.
const std::vector<StoreWords>& storeWords()
{
    static const std::vector<StoreWords> words = {
        {Account::kDataFileName,
         QStringLiteral("the debts"),
         QStringLiteral("were"),
         QStringLiteral("could not be taken whole when it was read"),
         {}},
        {PlanFile::kFileName,
         QStringLiteral("the plan"),
         QStringLiteral("was"),
         QStringLiteral("could not be read when the program started"),
         {}},
        {ExtraMoneySetting::kKey,
         QStringLiteral("the extra money"),
         QStringLiteral("was"),
         {},
         QStringLiteral(" in the settings")},
    };
    return words;
}

// What a save did with one store: where its file was kept first, or why it
// was not saved.
QStringList saveSentences(const FileSave& saved, const StoreWords& words)
{
    const QString& file = words.store;
    QStringList sentences;
    if (saved.keptAs)
        sentences.append(
            QStringLiteral("%1 %2, so it was kept as it was in %3 before %4 %5 "
                           "saved.")
                .arg(file, words.keptWhy, shownPath(*saved.keptAs), words.subject, words.were));
    const QString subject = words.subject.at(0).toUpper() + words.subject.mid(1);
    switch (saved.outcome) {
    case FileSave::Outcome::Written:
    case FileSave::Outcome::Unchanged:
    case FileSave::Outcome::Skipped:
    case FileSave::Outcome::TakenBack:
        break;
    case FileSave::Outcome::Unread:
        sentences.append(QStringLiteral("%1 %2 not saved: %3 could not be read when the program "
                                        "started, and saving would replace what it holds.")
                             .arg(subject, words.were, file));
        break;
    case FileSave::Outcome::NotKept:
        sentences.append(
            QStringLiteral("%1 %2 not saved: %3 %4, and no copy of it could be "
                           "kept first. %5")
                .arg(subject, words.were, file, words.keptWhy, describe(*saved.problem)));
        break;
    case FileSave::Outcome::NotWritten:
        sentences.append(QStringLiteral("%1 could not be saved%2. %3")
                             .arg(subject, words.where, describe(*saved.problem)));
        break;
    }
    return sentences;
}

} // namespace

QString forSave(const SaveResult& result, bool changeTakenBack)
{
    QStringList sentences;
    for (const StoreWords& words : storeWords())
        sentences += saveSentences(result.of(words.store), words);
    for (const SaveResult::Saved& saved : result.stores) {
        const auto& known = storeWords();
        if (std::none_of(known.begin(), known.end(),
                         [&](const StoreWords& words) { return words.store == saved.store; }))
            sentences += saveSentences(saved.file, {saved.store,
                                                    saved.store,
                                                    QStringLiteral("was"),
                                                    QStringLiteral("could not be read when the "
                                                                   "program started"),
                                                    {}});
    }
    if (changeTakenBack)
        sentences.append(QStringLiteral("Your change was taken back."));
    return sentences.join(QLatin1Char(' '));
}

void show(Prompter& prompter, const QStringList& messages)
{
    for (const QString& message : messages)
        prompter.showMessage(message);
}

} // namespace AccountMessages
