#include "extramoney.h"

#include "platform/formats.h"
#include "platform/numberparse.h"

namespace ExtraMoney {

std::optional<double> fromTyped(QStringView text)
{
    const ParsedNumber parsed = numberAtStart(text);
    if (!parsed.found || parsed.value < 0)
        return std::nullopt;
    return Format::roundedToGeneral(parsed.value);
}

} // namespace ExtraMoney
