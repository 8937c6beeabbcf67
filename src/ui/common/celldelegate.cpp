#include "celldelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {

constexpr int kTextMargin = 2;

// A cell's text as it shows in the cell's width, and that width measured
// once. Blanks at the end, as a name from the data file has, show nothing
// and need no room.
struct Fitted {
    QString text;
    int width = 0;
};

Fitted fitted(const QStyleOptionViewItem& option, const QString& text)
{
    const int room = option.rect.width() - 2 * kTextMargin;
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    const int width = option.fontMetrics.horizontalAdvance(text, static_cast<int>(end));
    if (width <= room)
        return {text, width};
    const QString elided = option.fontMetrics.elidedText(text.left(end), Qt::ElideRight, room);
    return {elided, option.fontMetrics.horizontalAdvance(elided)};
}

// Where a cell's single line of text starts, by its alignment: placed here
// rather than laid out by QPainter, whose layout of a rectangle costs more
// than the drawing on a grid of hundreds of cells.
QPoint textOrigin(const QStyleOptionViewItem& option, const QModelIndex& index, int width)
{
    const auto alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    const QRect box = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QFontMetrics& metrics = option.fontMetrics;
    int x = box.left();
    if (alignment & (Qt::AlignRight | Qt::AlignHCenter))
        x = alignment.testFlag(Qt::AlignRight) ? box.right() + 1 - width
                                               : box.left() + (box.width() - width) / 2;
    const int top = alignment.testFlag(Qt::AlignTop)
                        ? box.top()
                        : box.top() + (box.height() - metrics.height()) / 2;
    return {x, top + metrics.ascent()};
}

} // namespace

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QVariant background = index.data(Qt::BackgroundRole);
    if (selected)
        painter->fillRect(option.rect, option.palette.color(group, QPalette::Highlight));
    else if (background.canConvert<QColor>())
        painter->fillRect(option.rect, background.value<QColor>());
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->save();
        painter->setPen(
            QPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text),
                 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const Fitted shown = fitted(option, text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor pen = option.palette.color(group, QPalette::Text);
    if (selected)
        pen = option.palette.color(group, QPalette::HighlightedText);
    else if (foreground.canConvert<QColor>())
        pen = foreground.value<QColor>();
    painter->save();
    painter->setPen(pen);
    painter->setFont(option.font);
    painter->setClipRect(option.rect);
    painter->drawText(textOrigin(option, index, shown.width), shown.text);
    painter->restore();
}

QString CellDelegate::shownText(const QStyleOptionViewItem& option, const QString& text)
{
    return fitted(option, text).text;
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QAbstractItemDelegate::helpEvent(event, view, option, index);
    const QVariant tip = index.data(Qt::ToolTipRole);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (tip.isValid())
        QToolTip::showText(event->globalPos(), tip.toString(), view);
    else if (shownText(option, text) != text)
        QToolTip::showText(event->globalPos(), text, view);
    else
        QToolTip::hideText();
    return true;
}

QSize CellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return option.fontMetrics.size(Qt::TextSingleLine, index.data().toString()) +
           QSize(2 * kTextMargin, 0);
}
