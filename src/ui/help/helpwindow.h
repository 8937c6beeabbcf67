#pragma once

#include <QDialog>

class QTextBrowser;

// The user's part of the README, bundled with the program: from its start
// to where the data lives, with its pictures, opened at a section.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // The section of the README for a window, by the window's object name;
    // the README's start for one it does not name.
    static QString sectionFor(const QString& windowName);

    HelpWindow(const QString& section, QWidget* parent = nullptr);

    // The heading the view starts at.
    QString shownSection() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* text_;
};

// Opens the help over whichever window of the program is active when F1 is
// pressed, at that window's section.
class HelpKey : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
