#pragma once

#include "platform/folderlock.h"

#include <QDateTime>

class Account;
class Prompter;

// What a start does around the main window's first load: takes the data
// folder's lock, asking before it takes over one another machine holds,
// clears the save files a killed copy left, and refuses saving where the
// lock's place is taken by something that cannot be removed.
class StartUp {
public:
    StartUp(Account& account, Prompter& prompter);

    // False when the program ends here: another copy holds the folder, or
    // the user would not take another machine's lock over.
    bool takeLock(const QDateTime& startedAt);
    // Says what the lock left to say, once the window has loaded.
    void tellAfterLoad();

private:
    Account& account_;
    Prompter& prompter_;
    FolderLock lock_;
    FolderLock::State state_ = FolderLock::State::Taken;
};
