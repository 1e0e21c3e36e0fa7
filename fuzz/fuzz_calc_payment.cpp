// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_input.h"

#include "calc/payment_calculation.h"
#include "platform/numbers/number_format.h"
#include "platform/numbers/runtime_error.h"
#include "recording_payment_view.h"

#include <array>
#include <cmath>
#include <cstdint>

// Input: amount, rate and term texts, each ended by a backslash and one more character (a
// doubled backslash stands for one), then a byte choosing UTF-16 or UTF-8, two bytes of
// frequency position (0x8000 is position 0) and a byte choosing the locale.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const NumberFormat &numbers = FuzzInput::consumeNumberFormat(input);
    const int position = input.ConsumeIntegral<std::int16_t>();
    const bool utf16 = input.ConsumeBool();
    std::array<QString, 3> texts;
    for (QString &text : texts)
        text = FuzzInput::toText(input.ConsumeRandomLengthString(), utf16);
    using FuzzInput::require;
    const auto check = [&](bool holds, const char *invariant, const QString &result) {
        require(holds, invariant, numbers, {texts[0], texts[1], texts[2], result});
    };

    RecordingPaymentView view(texts[0], texts[1], texts[2], position);
    try {
        CalcPayment(view, numbers);
    } catch (const RuntimeError &) {
        // An arithmetic fault leaves no payment on show.
        check(view.resultWrites() == 1 && view.result.isEmpty(), "a fault empties the result once",
              view.result);
        return 0;
    }

    check(view.everyFieldColoured() && view.resultWrites() == 1,
          "every field is coloured and the result written once", view.result);

    const auto fails = [&](InputField field, bool zeroFails) {
        const QString text = view.fieldText(field);
        return !numbers.isNumeric(text) || (zeroFails && numbers.toDouble(text) == 0.0);
    };
    check(view.isMarked(InputField::Amount) == fails(InputField::Amount, false),
          "the amount is marked exactly when it is not numeric", view.result);
    check(view.isMarked(InputField::Rate) == fails(InputField::Rate, true),
          "the rate is marked exactly when it is not numeric or zero", view.result);
    check(view.isMarked(InputField::Term) == fails(InputField::Term, true),
          "the term is marked exactly when it is not numeric or zero", view.result);

    const bool someMarked = view.isMarked(InputField::Amount) || view.isMarked(InputField::Rate) ||
                            view.isMarked(InputField::Term);
    check(view.result.isEmpty() == someMarked,
          "the result is empty exactly when some field is marked", view.result);
    if (!view.result.isEmpty()) {
        const double shown = numbers.toDouble(view.result);
        check(numbers.isNumeric(view.result) && std::isfinite(shown) && shown == std::trunc(shown),
              "the result reads back as a whole number", view.result);
    }
    return 0;
}
