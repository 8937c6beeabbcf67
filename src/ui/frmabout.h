#pragma once

#include <QDialog>

// The About box: the program's title, version and how to reach us.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    static inline const QString kVersion = QStringLiteral("Version 3.5");

    explicit frmAbout(QWidget* parent = nullptr);
};
