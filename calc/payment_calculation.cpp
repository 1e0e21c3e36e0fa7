// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "payment_calculation.h"

#include "calc/payment_frequency.h"
#include "calc/payment_view.h"
#include "platform/numbers/checked_arithmetic.h"
#include "platform/numbers/number_format.h"
#include "platform/numbers/runtime_error.h"

#include <cmath>

namespace {

struct FieldReading
{
    double value = 0.0;
    bool valid = false;
};

// A field passes when it is numeric; its colour is set before the next field is read.
FieldReading readField(PaymentView &view, const NumberFormat &numbers, InputField field)
{
    if (!numbers.isNumeric(view.fieldText(field))) {
        view.setFieldBackground(field, FieldBackground::FieldMarked);
        return {};
    }
    const FieldReading reading{numbers.toDouble(view.fieldText(field)), true};
    view.setFieldBackground(field, FieldBackground::FieldNormal);
    return reading;
}

// Rate and term must also be non-zero: a numeric zero is first shown normal, then marked.
FieldReading readNonZeroField(PaymentView &view, const NumberFormat &numbers, InputField field)
{
    FieldReading reading = readField(view, numbers, field);
    if (reading.value == 0.0) {
        reading.valid = false;
        view.setFieldBackground(field, FieldBackground::FieldMarked);
    }
    return reading;
}

} // namespace

void CalcPayment(PaymentView &view, const NumberFormat &numbers)
{
    using namespace CheckedArithmetic;

    const FieldReading amount = readField(view, numbers, InputField::Amount);
    const FieldReading rate = readNonZeroField(view, numbers, InputField::Rate);
    const FieldReading years = readNonZeroField(view, numbers, InputField::Term);
    const bool inputsValid = amount.valid && rate.valid && years.valid;

    const double perYear = paymentFrequencyAt(view.frequencyPosition()).periodsPerYear;

    // n and r are computed, and checked, even when an input failed: a term too long for a double
    // is a fault whatever the other fields hold. A fault leaves no stale payment behind.
    double n = 0.0;
    double r = 0.0;
    double payment = 0.0;
    try {
        n = multiply(years.value, perYear);
        r = divide(rate.value, multiply(perYear, 100.0));
        if (inputsValid) {
            const double growth = power(add(1.0, r), n);
            // The level annuity payment, in this form and order: it decides which way a payment
            // that is nearly half a unit rounds.
            payment = multiply(add(r, divide(r, subtract(growth, 1.0))), amount.value);
        }
    } catch (const RuntimeError &) {
        view.setResultText(QString());
        throw;
    }

    if (!inputsValid) {
        view.setResultText(QString());
        return;
    }
    // In the default rounding mode, which nothing changes, a payment exactly halfway between two
    // whole amounts goes to the even one.
    view.setResultText(numbers.format(std::nearbyint(payment)));
}
