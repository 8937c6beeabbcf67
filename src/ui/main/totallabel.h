#pragma once

#include <QLabel>

// A total in a sunken box, right-aligned. An amount too wide for the box is
// cut where it visibly is ("…") rather than losing its leading digits, and
// stays whole in the tooltip; the box keeps its place and size.
class TotalLabel : public QLabel {
    Q_OBJECT

public:
    TotalLabel(QWidget* parent, const char* name);

    void setAmount(const QString& amount);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QString amount_;
};
