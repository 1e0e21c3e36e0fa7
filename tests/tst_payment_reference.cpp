// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/payment_calculation.h"
#include "platform/numbers/number_format.h"
#include "recording_payment_view.h"

#include <QLocale>
#include <QTest>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>

// Checks the program's payments against figures it did not compute: published loan payments, and
// an evaluator of its own for many thousands of random inputs.
class TestPaymentReference : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void publishedFigures_data();
    void publishedFigures();
    void randomInputs_data();
    void randomInputs();
    void cleanupTestCase();

private:
    int m_checked = 0;
    int m_skipped = 0;
};

namespace {

constexpr std::array<int, 3> PeriodsPerYear{12, 26, 52};

// The textbook form of the level annuity payment, amount * r / (1 - (1 + r)^-n), in long double.
// It is written apart from the program's evaluation, in another form and precision, so that a
// fault in either shows as a disagreement.
long double textbookPayment(long double amount, long double ratePercent, long double years,
                            int frequency)
{
    const int perYear = PeriodsPerYear[std::size_t(frequency)];
    const long double r = ratePercent / (100.0L * perYear);
    const long double n = years * perYear;
    return amount * r / (1.0L - std::pow(1.0L + r, -n));
}

// A whole number in [low, high] from the generator; the modulo bias is far below what matters
// here, and unlike std::uniform_int_distribution the sequence is the same with every library.
std::int64_t uniform(std::mt19937_64 &random, std::int64_t low, std::int64_t high)
{
    return low + std::int64_t(random() % std::uint64_t(high - low + 1));
}

} // namespace

void TestPaymentReference::publishedFigures_data()
{
    // clang-format off
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("years");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<double>("published");
    QTest::addColumn<QString>("shown");

    // Monthly payments as amortisation tables and loan calculators publish them, to the cent.
    QTest::newRow("250000 at 5% over 25 years") << 250000.0 << 5.0 << 25.0 << 0 << 1461.48
        << "1,461.00";
    QTest::newRow("200000 at 5% over 30 years") << 200000.0 << 5.0 << 30.0 << 0 << 1073.64
        << "1,074.00";
    QTest::newRow("200000 at 6% over 30 years") << 200000.0 << 6.0 << 30.0 << 0 << 1199.10
        << "1,199.00";
    QTest::newRow("100000 at 6% over 30 years") << 100000.0 << 6.0 << 30.0 << 0 << 599.55
        << "600.00";
    QTest::newRow("100000 at 7% over 30 years") << 100000.0 << 7.0 << 30.0 << 0 << 665.30
        << "665.00";
    QTest::newRow("300000 at 4% over 30 years") << 300000.0 << 4.0 << 30.0 << 0 << 1432.25
        << "1,432.00";
    QTest::newRow("100000 at 5% over 15 years") << 100000.0 << 5.0 << 15.0 << 0 << 790.79
        << "791.00";
    QTest::newRow("150000 at 4.5% over 30 years") << 150000.0 << 4.5 << 30.0 << 0 << 760.03
        << "760.00";
    QTest::newRow("25000 at 3.5% over 5 years") << 25000.0 << 3.5 << 5.0 << 0 << 454.79 << "455.00";
    QTest::newRow("100000 at 2% over 10 years") << 100000.0 << 2.0 << 10.0 << 0 << 920.13
        << "920.00";

    // Bi-weekly and weekly payments as a spreadsheet's PMT(rate / 26, years * 26, -amount) gives
    // them; a financial calculator set to 26 or 52 periods a year agrees to the cent.
    QTest::newRow("200000 at 5% over 30 years, bi-weekly") << 200000.0 << 5.0 << 30.0 << 1 << 495.29
        << "495.00";
    QTest::newRow("200000 at 5% over 30 years, weekly") << 200000.0 << 5.0 << 30.0 << 2 << 247.59
        << "248.00";
    QTest::newRow("12345.67 at 6.5% over 7.5 years, weekly") << 12345.67 << 6.5 << 7.5 << 2 << 40.02
        << "40.00";
    QTest::newRow("100 at 12% over 1 year") << 100.0 << 12.0 << 1.0 << 0 << 8.88 << "9.00";
    QTest::newRow("100 at 12% over 1 year, bi-weekly") << 100.0 << 12.0 << 1.0 << 1 << 4.09
        << "4.00";
    QTest::newRow("100 at 12% over 1 year, weekly") << 100.0 << 12.0 << 1.0 << 2 << 2.04 << "2.00";
    QTest::newRow("100 at 12% over half a year") << 100.0 << 12.0 << 0.5 << 0 << 17.25 << "17.00";
    // clang-format on
}

void TestPaymentReference::publishedFigures()
{
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(double, years);
    QFETCH(int, frequency);
    QFETCH(double, published);
    QFETCH(QString, shown);

    // The evaluator agrees with the published figure to the cent...
    const long double exact = textbookPayment(amount, rate, years, frequency);
    QCOMPARE(double(std::round(exact * 100.0L) / 100.0L), published);

    // ...and the program shows it rounded to a whole number.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    RecordingPaymentView view(english.toString(amount, 'f', 2), english.toString(rate),
                              english.toString(years), frequency);
    CalcPayment(view, NumberFormat(english));
    QCOMPARE(view.result, shown);
}

void TestPaymentReference::randomInputs_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<quint64>("seed");

    const std::array<const char *, 3> frequencies{"monthly", "bi-weekly", "weekly"};
    // A fixed seed for each row, so every run checks the same inputs.
    quint64 seed = 20'240'611;
    // Separators, grouping, native digits and signs with direction marks all take part.
    for (const char *locale : {"en_US", "de_DE", "fr_FR", "ar_EG"}) {
        for (int frequency = 0; frequency < int(frequencies.size()); ++frequency) {
            QTest::addRow("%s %s", locale, frequencies[std::size_t(frequency)])
                << QString::fromLatin1(locale) << frequency << seed++;
        }
    }
    // clang-format on
}

void TestPaymentReference::randomInputs()
{
    QFETCH(QString, locale);
    QFETCH(int, frequency);
    QFETCH(quint64, seed);

    constexpr int InputsPerRow = 5000;
    // Exact payments this close to a half are left out: there, the program's double evaluation
    // may round either way and still be right.
    constexpr long double NearHalf = 1e-6L;

    const QLocale numberLocale(locale);
    const NumberFormat numbers(numberLocale);
    std::mt19937_64 random(seed);

    int checked = 0;
    int skipped = 0;
    QStringList mismatches;
    for (int i = 0; i < InputsPerRow; ++i) {
        // Amounts from 0 to 1e9 with cents, rates from -50 to 50 % without 0 in thousandths of a
        // percent, terms from 0.1 to 100 years in hundredths.
        const std::int64_t cents = uniform(random, 0, 100'000'000'000);
        std::int64_t rateThousandths = 0;
        while (rateThousandths == 0)
            rateThousandths = uniform(random, -50'000, 50'000);
        const std::int64_t termHundredths = uniform(random, 10, 10'000);

        const long double exact = textbookPayment(cents / 100.0L, rateThousandths / 1000.0L,
                                                  termHundredths / 100.0L, frequency);
        const QString amountText = numberLocale.toString(double(cents) / 100.0, 'f', 2);
        const QString rateText = numberLocale.toString(double(rateThousandths) / 1000.0, 'f', 3);
        const QString termText = numberLocale.toString(double(termHundredths) / 100.0, 'f', 2);

        const long double below = std::floor(exact);
        const long double fraction = exact - below;
        if (std::fabs(fraction - 0.5L) < NearHalf) {
            ++skipped;
            qInfo("near a half, skipped: amount %s, rate %s, term %s: %.12Lf",
                  qPrintable(amountText), qPrintable(rateText), qPrintable(termText), exact);
            continue;
        }
        const double expected = double(fraction < 0.5L ? below : below + 1.0L);

        RecordingPaymentView view(amountText, rateText, termText, frequency);
        CalcPayment(view, numbers);
        ++checked;
        if (view.result != numberLocale.toString(expected, 'f', 2)) {
            mismatches << QStringLiteral("amount %1, rate %2, term %3: shows %4, exact %5")
                              .arg(amountText, rateText, termText, view.result,
                                   QString::number(double(exact), 'f', 6));
        }
    }

    m_checked += checked;
    m_skipped += skipped;
    qInfo("%d inputs checked, %d near a half skipped", checked, skipped);
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 10).join(u'\n')));
}

void TestPaymentReference::cleanupTestCase()
{
    qInfo("in all: %d random inputs checked against the textbook evaluator, %d near a half skipped",
          m_checked, m_skipped);
}

QTEST_APPLESS_MAIN(TestPaymentReference)
#include "tst_payment_reference.moc"
