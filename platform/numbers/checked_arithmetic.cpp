// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers/checked_arithmetic.h"

#include "platform/numbers/runtime_error.h"

#include <cmath>

namespace CheckedArithmetic {

namespace {

double checked(double result)
{
    if (std::isnan(result))
        throw RuntimeError::invalidOperation();
    if (std::isinf(result))
        throw RuntimeError::overflow();
    return result;
}

} // namespace

double add(double a, double b)
{
    return checked(a + b);
}

double subtract(double a, double b)
{
    return checked(a - b);
}

double multiply(double a, double b)
{
    return checked(a * b);
}

double divide(double dividend, double divisor)
{
    if (divisor == 0.0) {
        // 0/0 is an invalid operation, anything else over zero a division by zero.
        if (dividend == 0.0)
            throw RuntimeError::invalidOperation();
        throw RuntimeError::divisionByZero();
    }
    return checked(dividend / divisor);
}

double power(double base, double exponent)
{
    // Zero to a negative power is a pole, reported like the division it stands for.
    if (base == 0.0 && exponent < 0.0)
        throw RuntimeError::divisionByZero();
    // A negative base with a fractional exponent has no real result (NaN, reported as invalid).
    return checked(std::pow(base, exponent));
}

} // namespace CheckedArithmetic
