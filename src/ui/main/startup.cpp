#include "startup.h"

#include "model/account.h"
#include "platform/prompter.h"
#include "ui/common/accountmessages.h"

StartUp::StartUp(Account& account, Prompter& prompter)
    : account_(account), prompter_(prompter), lock_(account.dataFolder(), account.dataFileNames())
{
}

bool StartUp::takeLock(const QDateTime& startedAt)
{
    const QString folder = account_.dataFolder();
    state_ = lock_.take();
    if (state_ == FolderLock::State::HeldOnAnotherMachine) {
        if (!prompter_.askYesNo(
                AccountMessages::lockedOnAnotherMachine(lock_.holder(), lock_.path(), startedAt)))
            return false;
        state_ = lock_.takeOver();
    }
    switch (state_) {
    case FolderLock::State::HeldByAnotherCopy:
    case FolderLock::State::HeldOnAnotherMachine:
        prompter_.showMessage(
            AccountMessages::openInAnotherCopy(folder, lock_.holder(), lock_.path()));
        return false;
    case FolderLock::State::Taken:
        lock_.removeStraySaveFiles(startedAt);
        break;
    case FolderLock::State::Unremovable:
        account_.refuseSaving(*lock_.problem());
        break;
    case FolderLock::State::FolderNotWritable:
        break;
    }
    return true;
}

void StartUp::tellAfterLoad()
{
    if (state_ == FolderLock::State::FolderNotWritable)
        prompter_.showMessage(AccountMessages::folderNotWritable(account_.dataFolder()));
    if (state_ == FolderLock::State::Unremovable)
        prompter_.showMessage(AccountMessages::lockInTheWay(*lock_.problem()));
}
