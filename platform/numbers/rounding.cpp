// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers/rounding.h"

#include <cmath>

double roundHalfToEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    // Exact: for |value| < 2^52 the fraction is representable, above it value is already whole.
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}
