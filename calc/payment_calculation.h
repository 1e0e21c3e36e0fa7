// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class NumberFormat;
class PaymentView;

// One recalculation: judges and colours each input field as it reads it, then writes the
// payment, rounded to a whole number and formatted, or an empty result when some field failed.
// An arithmetic fault empties the result and raises RuntimeError; colours already set stay.
void CalcPayment(PaymentView &view, const NumberFormat &numbers);
