#pragma once

#include <QString>

// Where debts.dat and the export live. A copy run from where it was built or
// unpacked keeps them beside itself, as it always has. An installed copy's
// folder (/usr/bin, say) is no place for a user's files, even for root, who
// could write there: it keeps them in the user's data folder. A copy counts
// as installed when the share folder beside its bin folder holds its
// metadata.
namespace DataFolder {

bool isInstalled(const QString& programFolder);
QString choose(const QString& programFolder, const QString& userDataFolder);

} // namespace DataFolder
