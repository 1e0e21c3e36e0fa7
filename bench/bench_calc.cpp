#include "calc/payment_calculation.h"
#include "calc/payment_view.h"
#include "platform/numbers/number_format.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

class InMemoryView : public PaymentView
{
public:
    explicit InMemoryView(std::array<QString, 3> texts)
        : m_texts(std::move(texts))
    {}

    QString fieldText(InputField field) const override { return m_texts[std::size_t(field)]; }
    void setFieldBackground(InputField field, FieldBackground background) override
    {
        m_backgrounds[std::size_t(field)] = background;
    }
    int frequencyPosition() const override { return 0; }
    void setResultText(const QString &text) override { m_result = text; }

private:
    std::array<QString, 3> m_texts;
    std::array<FieldBackground, 3> m_backgrounds{};
    QString m_result;
};

void runCalcPayment(benchmark::State &state, std::array<QString, 3> texts)
{
    const NumberFormat numbers{QLocale(QLocale::English, QLocale::UnitedStates)};
    InMemoryView view(std::move(texts));
    for (auto _ : state)
        CalcPayment(view, numbers);
}

void BM_CalcPaymentValid(benchmark::State &state)
{
    runCalcPayment(state, {QStringLiteral("250,000"), QStringLiteral("5"), QStringLiteral("25")});
}

void BM_CalcPaymentFailingField(benchmark::State &state)
{
    runCalcPayment(state, {QStringLiteral("250000"), QString(), QStringLiteral("25")});
}

} // namespace

BENCHMARK(BM_CalcPaymentValid);
BENCHMARK(BM_CalcPaymentFailingField);

BENCHMARK_MAIN();
