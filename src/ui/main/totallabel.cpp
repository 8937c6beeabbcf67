#include "totallabel.h"

TotalLabel::TotalLabel(QWidget* parent, const char* name) : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TotalLabel::setAmount(const QString& amount)
{
    amount_ = amount;
    setToolTip(amount);
    fit();
}

void TotalLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void TotalLabel::fit()
{
    const int room = contentsRect().width() - 2 * margin() - fontMetrics().horizontalAdvance(u' ');
    setText(fontMetrics().elidedText(amount_, Qt::ElideRight, room));
}
