#pragma once

#include <QString>

class Prompter;

// Asks where to save a file of one type ("png"), offering a name. The
// type's suffix is added to a name that lacks it; a file of that name is
// replaced only when the user says so, as the dialog asked only about the
// name typed. Empty when the user gives no name.
QString askSavePath(Prompter& prompter, const QString& title, const QString& offered,
                    const QString& filter, const QString& suffix);
