#pragma once

#include <QString>

// Joins a folder and a file name with exactly one separator, whether or not
// the folder already ends in one (a root such as "/" does).
QString joinPath(const QString& folder, const QString& fileName);
