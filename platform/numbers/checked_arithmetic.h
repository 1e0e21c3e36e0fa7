// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Double arithmetic that raises RuntimeError instead of producing an infinity or a NaN.
// Every operand the calculation passes in is finite, so a non-finite result means the operation
// itself overflowed, divided by zero or had no result.
namespace CheckedArithmetic {

double add(double a, double b);
double subtract(double a, double b);
double multiply(double a, double b);
double divide(double dividend, double divisor);
double power(double base, double exponent);

} // namespace CheckedArithmetic
