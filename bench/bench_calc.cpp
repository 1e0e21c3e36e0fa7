// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/payment_calculation.h"
#include "platform/numbers/number_format.h"
#include "recording_payment_view.h"

#include <benchmark/benchmark.h>

namespace {

void runCalcPayment(benchmark::State &state, const QString &amount, const QString &rate,
                    const QString &term)
{
    const NumberFormat numbers{QLocale(QLocale::English, QLocale::UnitedStates)};
    RecordingPaymentView view(amount, rate, term);
    view.logging = false;
    for (auto _ : state)
        CalcPayment(view, numbers);
}

void BM_CalcPaymentValid(benchmark::State &state)
{
    runCalcPayment(state, QStringLiteral("250,000"), QStringLiteral("5"), QStringLiteral("25"));
}

void BM_CalcPaymentFailingField(benchmark::State &state)
{
    runCalcPayment(state, QStringLiteral("250000"), QString(), QStringLiteral("25"));
}

// A pasted amount of state.range(0) UTF-16 code units: the unit repeated between prefix and
// suffix. Google Benchmark fits the times to the text's length: a reading that looks back over
// the text shows as N^2 instead of N.
void BM_CalcPaymentLongAmount(benchmark::State &state, const char *locale, QString prefix,
                              QString unit, QString suffix)
{
    const NumberFormat numbers{QLocale(QString::fromLatin1(locale))};
    const qsizetype repeats = (state.range(0) - prefix.size() - suffix.size()) / unit.size();
    RecordingPaymentView view(prefix + unit.repeated(repeats) + suffix, QStringLiteral("5"),
                              QStringLiteral("25"));
    view.logging = false;
    for (auto _ : state)
        CalcPayment(view, numbers);
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_CalcPaymentValid);
BENCHMARK(BM_CalcPaymentFailingField);

// From an eighth of a megabyte of UTF-16 to a whole one.
#define LONG_AMOUNT(name, ...)                                                                     \
    BENCHMARK_CAPTURE(BM_CalcPaymentLongAmount, name, __VA_ARGS__)                                 \
        ->RangeMultiplier(2)                                                                       \
        ->Range(1 << 17, 1 << 20)                                                                  \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Complexity()
LONG_AMOUNT(digits, "en_US", QString(), QStringLiteral("7"), QString());
LONG_AMOUNT(leading_zeros, "en_US", QString(), QStringLiteral("0"), QStringLiteral("250000"));
LONG_AMOUNT(decimals, "en_US", QStringLiteral("0."), QStringLiteral("3"), QString());
LONG_AMOUNT(words, "en_US", QString(), QStringLiteral("payment "), QString());
LONG_AMOUNT(grouped, "en_US", QStringLiteral("1"), QStringLiteral(",000"), QString());
LONG_AMOUNT(separators, "en_US", QStringLiteral("1"), QStringLiteral(",."), QString());
LONG_AMOUNT(blanks_around, "en_US", QString(), QStringLiteral(" \t\n"), QStringLiteral("5"));
LONG_AMOUNT(fr_spaces, "fr_FR", QStringLiteral("1"), QStringLiteral(" "), QStringLiteral("1"));
LONG_AMOUNT(de_grouped, "de_DE", QStringLiteral("0"), QStringLiteral(".000"), QStringLiteral(",5"));
LONG_AMOUNT(he_direction_marks, "he_IL", QString(), QStringLiteral("\u200E"), QStringLiteral("-5"));
LONG_AMOUNT(ar_native_digits, "ar_EG", QString(), QStringLiteral("\u0660"),
            QStringLiteral("\u0661"));
#undef LONG_AMOUNT

BENCHMARK_MAIN();
