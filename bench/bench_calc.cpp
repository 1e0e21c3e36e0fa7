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

} // namespace

BENCHMARK(BM_CalcPaymentValid);
BENCHMARK(BM_CalcPaymentFailingField);

BENCHMARK_MAIN();
