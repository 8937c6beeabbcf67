#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

// Small helpers for building windows whose controls sit at designed places
// and carry the names the tests find them by.
namespace Controls {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// What a screen reader says of a control the keyboard reaches: its name in
// words, and what it holds.
template <typename Widget>
Widget* spoken(Widget* widget, const QString& name, const QString& description = {})
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
    return widget;
}

// A label at its designed place. A right-aligned caption wider than its box
// grows to the left rather than losing its first letters.
inline QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* widget = named(new QLabel(text, parent), name);
    widget->setAlignment(alignment);
    const int needed = widget->sizeHint().width();
    if (alignment.testFlag(Qt::AlignRight) && needed > geometry.width())
        geometry.setLeft(qMax(0, geometry.right() + 1 - needed));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace Controls
