#include "busyindicator.h"

#include "ui/common/fonts.h"

#include <QGuiApplication>

namespace {

constexpr double kCaptionPoints = 13.5;

} // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("cmdmess"));
    setFont(Fonts::sansSerif(kCaptionPoints));
    setFocusPolicy(Qt::NoFocus);
}

BusyIndicator::Session::Session(BusyIndicator& indicator, const QString& caption)
    : indicator_(indicator)
{
    indicator_.setCaption(caption);
    indicator_.show();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    emit indicator_.busyChanged(true);
}

BusyIndicator::Session::~Session()
{
    QGuiApplication::restoreOverrideCursor();
    indicator_.hide();
    emit indicator_.busyChanged(false);
}
