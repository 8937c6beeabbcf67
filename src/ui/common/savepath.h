#pragma once

#include <QString>

class Prompter;
class QWidget;

// Asks where to save a file of one type ("png"), offering a name. The
// type's suffix is added to a name that lacks it; a file of that name is
// replaced only when the user says so, as the dialog asked only about the
// name typed. Empty when the user gives no name.
QString askSavePath(Prompter& prompter, const QString& title, const QString& offered,
                    const QString& filter, const QString& suffix);

// Asks where to save a chart as a PNG image (see askSavePath) and saves it
// as it is drawn; a failure is told. The file saved; empty for none.
QString saveChartImage(Prompter& prompter, QWidget& chart, const QString& offered);
