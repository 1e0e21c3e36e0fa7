// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/payment_calculation.h"
#include "platform/numbers/number_format.h"
#include "platform/numbers/runtime_error.h"
#include "recording_payment_view.h"

#include <QTest>

class TestPaymentCalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void payments_data();
    void payments();
    void marking_data();
    void marking();
    void faults_data();
    void faults();
    void resultReplacesWhatWasThere();
};

namespace {

const QString NoResult;

} // namespace

void TestPaymentCalculation::payments_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QString>("result");

    // Published figures are checked apart; these are the cases where the rules show.
    QTest::newRow("zero amount") << "en_US" << "0" << "5" << "25" << 0 << "0.00";
    QTest::newRow("negative amount") << "en_US" << "-100" << "12" << "1" << 0 << "-9.00";
    QTest::newRow("negative rate") << "en_US" << "100" << "-12" << "1" << 0 << "8.00";
    QTest::newRow("no selection is monthly") << "en_US" << "100" << "12" << "1" << -1 << "9.00";
    QTest::newRow("bi-weekly") << "en_US" << "250000" << "5" << "25" << 1 << "674.00";
    QTest::newRow("weekly") << "en_US" << "250000" << "5" << "25" << 2 << "337.00";
    QTest::newRow("unknown position is monthly") << "en_US" << "100" << "12" << "1" << 3 << "9.00";

    // Payments of exactly half a unit go to the even neighbour through the whole run.
    QTest::newRow("2.5 to even") << "en_US" << "2" << "300" << "0.08333333333333333" << 0 << "2.00";
    QTest::newRow("7.5 to even") << "en_US" << "6" << "300" << "0.08333333333333333" << 0 << "8.00";

    // Texts are read with the same rules as the numeric test.
    QTest::newRow("grouped amount") << "en_US" << "250,000" << "5" << "25" << 0 << "1,461.00";
    QTest::newRow("exponent amount") << "en_US" << "1e2" << "12" << "1" << 0 << "9.00";
    QTest::newRow("blanks around") << "en_US" << " 100 " << " 12" << "1 " << 0 << "9.00";
    QTest::newRow("de decimal comma") << "de_DE" << "250.000" << "5,5" << "25" << 0 << "1.535,00";
    QTest::newRow("fr typed space") << "fr_FR" << "250 000" << "5" << "25" << 0
        << QStringLiteral("1\u202F461,00");
    QTest::newRow("in lakh") << "en_IN" << "1,00,00,000" << "5" << "25" << 0 << "58,459.00";
    QTest::newRow("he negative amount as shown") << "he_IL" << QStringLiteral("\u200E-100") << "12"
        << "1" << 0 << QStringLiteral("\u200E-9.00");
    QTest::newRow("ar native digits and signs") << "ar_EG"
        << QStringLiteral("\u061C-\u0661\u0660\u0660") << QStringLiteral("\u0661\u0662")
        << QStringLiteral("\u0661") << 0 << QStringLiteral("\u061C-\u0669\u066B\u0660\u0660");
    QTest::newRow("C locale") << "C" << "250000" << "5" << "25" << 0 << "1461.00";
    // clang-format on
}

void TestPaymentCalculation::payments()
{
    QFETCH(QString, locale);
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, term);
    QFETCH(int, frequency);
    QFETCH(QString, result);

    RecordingPaymentView view(amount, rate, term, frequency);
    CalcPayment(view, NumberFormat(QLocale(locale)));

    QCOMPARE(view.result, result);
    QCOMPARE(view.log,
             QStringList({"amount:normal", "rate:normal", "term:normal", "result:" + result}));
}

void TestPaymentCalculation::marking_data()
{
    // clang-format off
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QStringList>("log");

    // A numeric zero is judged normal first, then marked in the same run.
    QTest::newRow("zero rate") << "100" << "0" << "1"
        << QStringList{"amount:normal", "rate:normal", "rate:marked", "term:normal", "result:"};
    QTest::newRow("zero rate with decimals") << "100" << "0.0" << "1"
        << QStringList{"amount:normal", "rate:normal", "rate:marked", "term:normal", "result:"};
    QTest::newRow("negative zero rate") << "100" << "-0" << "1"
        << QStringList{"amount:normal", "rate:normal", "rate:marked", "term:normal", "result:"};
    QTest::newRow("zero term") << "100" << "12" << "0"
        << QStringList{"amount:normal", "rate:normal", "term:normal", "term:marked", "result:"};
    // A non-numeric rate or term fails both tests, so it is marked twice.
    QTest::newRow("empty rate") << "250000" << "" << "25"
        << QStringList{"amount:normal", "rate:marked", "rate:marked", "term:normal", "result:"};
    QTest::newRow("words everywhere") << "abc" << "x" << "y"
        << QStringList{"amount:marked", "rate:marked", "rate:marked", "term:marked", "term:marked",
                       "result:"};
    QTest::newRow("amount only") << "12abc" << "5" << "25"
        << QStringList{"amount:marked", "rate:normal", "term:normal", "result:"};
    QTest::newRow("infinite amount") << "inf" << "5" << "25"
        << QStringList{"amount:marked", "rate:normal", "term:normal", "result:"};
    QTest::newRow("misplaced group") << "25,0000" << "5" << "25"
        << QStringList{"amount:marked", "rate:normal", "term:normal", "result:"};
    // clang-format on
}

void TestPaymentCalculation::marking()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, term);
    QFETCH(QStringList, log);

    RecordingPaymentView view(amount, rate, term);
    CalcPayment(view, NumberFormat(QLocale(QLocale::English, QLocale::UnitedStates)));

    QCOMPARE(view.log, log);
    QCOMPARE(view.result, NoResult);
}

void TestPaymentCalculation::faults_data()
{
    // clang-format off
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("amountMarked");

    QTest::newRow("periods overflow") << "100" << "5" << "1e308" << "Overflow" << false;
    QTest::newRow("periods overflow with a failing field") << "x" << "5" << "1e308" << "Overflow"
        << true;
    QTest::newRow("growth of one divides by zero") << "100" << "-2400" << "1" << "Division by zero"
        << false;
    QTest::newRow("rate too small to grow") << "100" << "1e-300" << "1" << "Division by zero"
        << false;
    QTest::newRow("rate vanishing in the division") << "100" << "1e-322" << "1"
        << "Invalid procedure call or argument" << false;
    QTest::newRow("negative rate and term, zero base") << "100" << "-1200" << "-1"
        << "Division by zero" << false;
    QTest::newRow("growth too large") << "100" << "1e6" << "1e5" << "Overflow" << false;
    QTest::newRow("negative base, fractional periods") << "100" << "-2400" << "0.51"
        << "Invalid procedure call or argument" << false;
    QTest::newRow("payment too large") << "1e308" << "1e6" << "1" << "Overflow" << false;
    // clang-format on
}

void TestPaymentCalculation::faults()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, term);
    QFETCH(QString, error);
    QFETCH(bool, amountMarked);

    RecordingPaymentView view(amount, rate, term);
    view.result = QStringLiteral("1,461.00");
    QString raised;
    try {
        CalcPayment(view, NumberFormat(QLocale(QLocale::English, QLocale::UnitedStates)));
    } catch (const RuntimeError &e) {
        raised = e.message();
    }

    QCOMPARE(raised, error);
    // The payment of earlier inputs does not stay on show.
    QCOMPARE(view.result, NoResult);
    QCOMPARE(view.log.last(), QStringLiteral("result:"));
    QCOMPARE(view.isMarked(InputField::Amount), amountMarked);
    QVERIFY(!view.isMarked(InputField::Rate));
    QVERIFY(!view.isMarked(InputField::Term));
}

void TestPaymentCalculation::resultReplacesWhatWasThere()
{
    RecordingPaymentView view("100", "12", "1");
    view.result = QStringLiteral("typed by the user");
    CalcPayment(view, NumberFormat(QLocale::c()));
    QCOMPARE(view.result, QStringLiteral("9.00"));
}

QTEST_APPLESS_MAIN(TestPaymentCalculation)
#include "tst_payment_calculation.moc"
