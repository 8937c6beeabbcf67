#pragma once

// Interest rates: typed and stored in plan.json as a percentage, kept by the
// debts and the calculation as a fraction of one.
namespace Rate {

// No debt or promotion charges more than this, in percent.
constexpr double kHighestPercent = 100;

constexpr double fraction(double percent)
{
    return percent / 100;
}

constexpr double percent(double fraction)
{
    return fraction * 100;
}

} // namespace Rate
