#include "account.h"

#include "extramoneysetting.h"
#include "methodsetting.h"
#include "planstore.h"
#include "platform/atomicwrite.h"
#include "platform/paths.h"
#include "platform/savejournal.h"

#include <algorithm>

FileSave SaveResult::of(const QString& store) const
{
    for (const Saved& saved : stores) {
        if (saved.store == store)
            return saved.file;
    }
    return {FileSave::Outcome::Unchanged, {}, {}};
}

bool SaveResult::allSaved() const
{
    return std::all_of(stores.begin(), stores.end(),
                       [](const Saved& saved) { return saved.file.saved(); });
}

Account::Account(const QString& dataFolder, QSettings& settings) : dataFolder_(dataFolder)
{
    stores_.push_back(std::make_unique<ExtraMoneySetting>(settings, extraMoney_));
    stores_.push_back(std::make_unique<PlanStore>(dataFolder, plan_));
    stores_.push_back(std::make_unique<DebtsFile>(dataFolder, debts_));
    stores_.push_back(std::make_unique<PaymentHistory>(dataFolder));
    stores_.push_back(std::make_unique<MethodSetting>(settings, method_));
    for (const auto& store : stores_) {
        if (store->inDataFolder())
            store->shareRefusal(savingRefused_);
        if (auto* history = dynamic_cast<PaymentHistory*>(store.get()))
            history_ = history;
        if (dynamic_cast<MethodSetting*>(store.get()))
            methodSetting_ = store.get();
    }
}

bool RenameResult::renamed() const
{
    return !history && files.saved(Account::kDataFileName) && files.saved(PlanFile::kFileName);
}

void Account::setChosenMethod(const QString& id)
{
    if (method_ == id)
        return;
    method_ = id;
    (void)methodSetting_->write(); // a choice not kept is chosen again next time, nothing lost
}

RenameResult Account::renameDebt(const QString& key, const QString& name)
{
    PaymentHistory& history = *history_;
    if (const auto& off = history.problem())
        return {off, {}};
    const int position = debts_.indexOf(key);
    const QString from = DebtList::keyOf(debts_.at(position).creditor);
    if (const auto problem = history.beginRename(from, name))
        return {problem, {}};
    const Snapshot before = snapshot();
    if (!debts_.rename(position, name))
        return {std::nullopt, {}};
    plan_.renameDebt(key, name);
    RenameResult result{std::nullopt, save()};
    if (!result.renamed()) {
        restore(before);
        // The history goes back with the files; a stop here is finished at
        // the next start (in the name the files kept).
        if (!history.beginRename(name, from))
            (void)history.finishRename();
        return result;
    }
    (void)history.finishRename(); // still pending: finished again at the next start
    return result;
}

SaveResult Account::finishRename(const PendingRename& rename)
{
    const int position = debts_.indexOf(rename.from);
    if (position >= 0 && debts_.rename(position, rename.to))
        plan_.renameDebt(rename.from, rename.to);
    SaveResult saved = save();
    if (saved.saved(kDataFileName) && saved.saved(PlanFile::kFileName))
        (void)history_->finishRename();
    return saved;
}

Account::~Account() = default;

bool Account::removeDebt(const QString& key)
{
    if (!debts_.remove(key))
        return false;
    plan_.dropDebt(key);
    return true;
}

Account::Snapshot Account::snapshot() const
{
    return {std::vector<Debt>(debts_.begin(), debts_.end()), extraMoney_, plan_};
}

void Account::restore(const Snapshot& snapshot)
{
    DebtList restored;
    for (const Debt& debt : snapshot.debts)
        (void)restored.add(debt);
    debts_.takeFrom(restored);
    extraMoney_ = snapshot.extraMoney;
    plan_ = snapshot.plan;
}

Store* Account::togetherStore(const QString& name) const
{
    for (const auto& store : stores_) {
        if (store->part() == Store::Part::Together && store->name() == name)
            return store.get();
    }
    return nullptr;
}

std::optional<LoadReport::BrokenOffSave> Account::finishBrokenOffSave()
{
    using Outcome = LoadReport::BrokenOffSave::Outcome;
    const SaveJournal journal(dataFolder_, kJournalName);
    SaveJournal::Found found = journal.read();
    LoadReport::BrokenOffSave broken{Outcome::Finished, journal.path(), {}, found.problem};
    switch (found.state) {
    case SaveJournal::Found::State::None:
        return std::nullopt;
    case SaveJournal::Found::State::NotAFile:
        broken.outcome = Outcome::NotFinished;
        return broken;
    case SaveJournal::Found::State::Torn:
    case SaveJournal::Found::State::Whole:
        break;
    }
    // Only the files a save journals may be written from it, whatever a
    // damaged or foreign journal names.
    const bool whole = found.state == SaveJournal::Found::State::Whole &&
                       std::all_of(found.entries.begin(), found.entries.end(),
                                   [this](const auto& entry) { return togetherStore(entry.file); });
    if (!whole) {
        broken.outcome = Outcome::Dropped;
        if (!journal.remove())
            broken.problem = FileProblem::of(journal.path(), QString());
        return broken;
    }
    for (const SaveJournal::Entry& entry : found.entries) {
        broken.files.append(entry.file);
        if ((broken.problem = writeWhole(joinPath(dataFolder_, entry.file), entry.bytes))) {
            broken.outcome = Outcome::NotFinished;
            return broken;
        }
    }
    (void)journal.remove(); // one left is finished again, to the same bytes
    return broken;
}

LoadReport Account::load()
{
    LoadReport report;
    report.brokenOffSave = finishBrokenOffSave();
    for (const auto& store : stores_)
        store->load(report);
    // A rename broken off is one action: the history's note finishes it and
    // tells of it in one message.
    if (report.brokenOffSave &&
        report.brokenOffSave->outcome == LoadReport::BrokenOffSave::Outcome::Finished &&
        history_->pendingRename())
        report.brokenOffSave.reset();
    return report;
}

SaveResult Account::save()
{
    std::vector<Store*> together;
    for (const auto& store : stores_) {
        if (store->part() == Store::Part::Together && !savingRefused_)
            together.push_back(store.get());
    }
    std::vector<SaveJournal::Entry> changes;
    for (size_t i = 0; i < together.size(); ++i) {
        // One file changed alone needs no journal: the last store's content
        // (the debts, made anew by its write) is asked only after another's.
        if (changes.empty() && i + 1 == together.size())
            break;
        if (auto bytes = together[i]->contentToWrite())
            changes.push_back({together[i]->name(), std::move(*bytes)});
    }
    const SaveJournal journal(dataFolder_, kJournalName);
    // Without its journal the save goes on as one that a stop could break.
    const bool journaled = changes.size() > 1 && !journal.write(changes);
    SaveResult result = saveStores();
    if (journaled)
        (void)journal.remove(); // one left is finished again at the next start
    return result;
}

SaveResult Account::saveStores()
{
    SaveResult result;
    std::vector<std::pair<Store*, size_t>> writtenTogether;
    bool togetherFailed = false;
    for (const auto& store : stores_) {
        const Store::Part part = store->part();
        if (part == Store::Part::Outside)
            continue;
        const bool skipped = part == Store::Part::Together && togetherFailed;
        const FileSave saved =
            skipped ? FileSave{FileSave::Outcome::Skipped, {}, {}} : store->write();
        result.stores.push_back({store->name(), saved});
        if (part != Store::Part::Together || skipped)
            continue;
        if (saved.outcome == FileSave::Outcome::Written) {
            writtenTogether.emplace_back(store.get(), result.stores.size() - 1);
        } else if (!saved.saved()) {
            togetherFailed = true;
            for (const auto& [written, at] : writtenTogether) {
                if (written->takeBack())
                    result.stores[at].file.outcome = FileSave::Outcome::TakenBack;
            }
        }
    }
    return result;
}

QStringList Account::dataFileNames() const
{
    QStringList names = {kDataFileName};
    for (const auto& store : stores_) {
        if (store->inDataFolder() && store->name() != kDataFileName)
            names.append(store->name());
    }
    return names << kJournalName;
}
