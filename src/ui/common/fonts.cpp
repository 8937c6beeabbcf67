#include "fonts.h"

#include "platform/typefaces.h"

#include <QFont>
#include <QStringList>

using Typefaces::kFixedPitch;
using Typefaces::kSansSerif;

namespace Fonts {

void useWindowFonts()
{
    QFont::insertSubstitutions(kSansSerif, Typefaces::kSansSerifStandIns);
    QFont::insertSubstitutions(kFixedPitch, Typefaces::kFixedPitchStandIns);
}

QFont sansSerif(double points)
{
    QFont font(kSansSerif);
    font.setStyleHint(QFont::SansSerif);
    // The windows were designed with a bitmap font, which has no kerning and
    // no ligatures; text drawn without shaping looks as designed, and grids
    // of hundreds of figures draw in a fraction of the time.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    return font;
}

QFont fixedPitch(double points)
{
    QFont font(kFixedPitch);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

} // namespace Fonts
