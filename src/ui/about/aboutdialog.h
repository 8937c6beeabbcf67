#pragma once

#include <QDialog>

// The About box: the program's title, version and how to reach us.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
