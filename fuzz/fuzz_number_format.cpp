// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_input.h"

#include "platform/numbers/number_format.h"

#include <cmath>
#include <cstdint>
#include <limits>

// Input: the text's bytes, then a byte choosing UTF-16 or UTF-8, then a byte choosing the locale.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const NumberFormat &numbers = FuzzInput::consumeNumberFormat(input);
    const bool utf16 = input.ConsumeBool();
    const QString text = FuzzInput::toText(input.ConsumeRemainingBytesAsString(), utf16);
    using FuzzInput::require;

    const bool numeric = numbers.isNumeric(text);
    const double value = numbers.toDouble(text);
    if (!numeric) {
        require(value == 0.0, "a text that is not numeric converts to 0", numbers, {text});
        return 0;
    }
    require(std::isfinite(value), "a numeric text converts to a finite value", numbers, {text});

    // A whole number, shown as the program shows a payment, reads back as the same value.
    const double whole = std::nearbyint(value);
    const QString shownWhole = numbers.format(whole);
    require(numbers.isNumeric(shownWhole) && numbers.toDouble(shownWhole) == whole,
            "a shown whole number reads back unchanged", numbers, {text, shownWhole});

    // Any value, shown with two decimals, reads back within half a cent of itself.
    const QString shown = numbers.format(value);
    const double tolerance = 0.005 + std::abs(value) * 4 * std::numeric_limits<double>::epsilon();
    require(numbers.isNumeric(shown) && std::abs(numbers.toDouble(shown) - value) <= tolerance,
            "a shown value reads back within half a cent", numbers, {text, shown});
    return 0;
}
