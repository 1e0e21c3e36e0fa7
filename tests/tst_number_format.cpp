// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers/number_format.h"

#include <QTest>

#include <cmath>

class TestNumberFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data();
    void reading();
    void formatting_data();
    void formatting();
    void everyLocaleReadsWhatItShows_data();
    void everyLocaleReadsWhatItShows();
    void rounding_data();
    void rounding();
};

void TestNumberFormat::reading_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    // Ordinary numbers under US English settings.
    QTest::newRow("plain") << "en_US" << "250000" << true << 250000.0;
    QTest::newRow("decimal") << "en_US" << "12345.67" << true << 12345.67;
    QTest::newRow("grouped reads whole") << "en_US" << "250,000" << true << 250000.0;
    QTest::newRow("grouped with decimals") << "en_US" << "1,234,567.5" << true << 1234567.5;
    QTest::newRow("exponent") << "en_US" << "1e2" << true << 100.0;
    QTest::newRow("exponent upper, signed") << "en_US" << "1E+5" << true << 100000.0;
    QTest::newRow("blanks around") << "en_US" << "  12 " << true << 12.0;
    QTest::newRow("tab and line feed around") << "en_US" << "\t5\n" << true << 5.0;
    QTest::newRow("negative") << "en_US" << "-100" << true << -100.0;
    QTest::newRow("explicit plus") << "en_US" << "+5" << true << 5.0;
    QTest::newRow("negative zero") << "en_US" << "-0" << true << 0.0;
    QTest::newRow("leading point") << "en_US" << ".5" << true << 0.5;

    // Texts that are not one finite number.
    QTest::newRow("empty") << "en_US" << "" << false << 0.0;
    QTest::newRow("blank") << "en_US" << "   " << false << 0.0;
    QTest::newRow("inf") << "en_US" << "inf" << false << 0.0;
    QTest::newRow("negative inf") << "en_US" << "-inf" << false << 0.0;
    QTest::newRow("nan") << "en_US" << "nan" << false << 0.0;
    QTest::newRow("too large for a double") << "en_US" << "1e400" << false << 0.0;
    QTest::newRow("hex") << "en_US" << "0x10" << false << 0.0;
    QTest::newRow("trailing junk") << "en_US" << "12abc" << false << 0.0;
    QTest::newRow("group in wrong place") << "en_US" << "25,0000" << false << 0.0;
    QTest::newRow("double group") << "en_US" << "1,,000" << false << 0.0;
    QTest::newRow("two decimal points") << "en_US" << "1.000.000" << false << 0.0;
    QTest::newRow("space inside") << "en_US" << "12 000" << false << 0.0;
    QTest::newRow("sign apart from digits") << "en_US" << "- 5" << false << 0.0;
    QTest::newRow("dangling exponent") << "en_US" << "1e" << false << 0.0;
    QTest::newRow("Arabic-Indic digits") << "en_US" << QStringLiteral("\u0661\u0662") << false
        << 0.0;

    // Decimal-comma locales.
    QTest::newRow("de decimal comma") << "de_DE" << "5,5" << true << 5.5;
    QTest::newRow("de grouped") << "de_DE" << "1.266,5" << true << 1266.5;
    QTest::newRow("de point is a group") << "de_DE" << "250.000" << true << 250000.0;
    QTest::newRow("de point as decimal") << "de_DE" << "5.5" << false << 0.0;

    // Space-grouping locales accept what people type in place of the no-break space.
    QTest::newRow("fr plain space") << "fr_FR" << "1 000" << true << 1000.0;
    QTest::newRow("fr narrow no-break space") << "fr_FR" << QStringLiteral("1\u202F000") << true
        << 1000.0;
    QTest::newRow("fr no-break space") << "fr_FR" << QStringLiteral("1\u00A0000,5") << true
        << 1000.5;
    QTest::newRow("fr decimal comma") << "fr_FR" << "5,5" << true << 5.5;
    QTest::newRow("fr space blanks around") << "fr_FR" << " 250 000 " << true << 250000.0;
    QTest::newRow("fr two spaces") << "fr_FR" << "1  000" << false << 0.0;
    QTest::newRow("fr misplaced space") << "fr_FR" << "10 00" << false << 0.0;

    // Millions as typed where four-digit numbers stay ungrouped. These once went wrong: Qt refused
    // a leading group of one digit, which Qt 6.8's own formatting writes.
    QTest::newRow("es millions") << "es_ES" << "1.500.000" << true << 1500000.0;
    QTest::newRow("it millions") << "it_IT" << "1.500.000" << true << 1500000.0;
    QTest::newRow("pl millions") << "pl_PL" << "1 500 000" << true << 1500000.0;
    QTest::newRow("hu millions") << "hu_HU" << "1 500 000" << true << 1500000.0;
    QTest::newRow("pt millions") << "pt_PT" << "1 500 000" << true << 1500000.0;
    QTest::newRow("ru_UA millions") << "ru_UA" << "1 500 000" << true << 1500000.0;
    QTest::newRow("es signed millions with decimals") << "es_ES" << "-1.500.000,5" << true
        << -1500000.5;
    QTest::newRow("es short inner group") << "es_ES" << "1.50.000" << false << 0.0;

    // Indian grouping.
    QTest::newRow("in lakh") << "en_IN" << "1,00,000" << true << 100000.0;
    QTest::newRow("in western grouping") << "en_IN" << "1,000,000" << false << 0.0;

    // The C locale and native digits.
    QTest::newRow("C decimal") << "C" << "1000.5" << true << 1000.5;
    QTest::newRow("C junk") << "C" << "1000.5x" << false << 0.0;
    QTest::newRow("ar native digits") << "ar_EG" << QStringLiteral("\u0661\u0662") << true << 12.0;
    QTest::newRow("ar latin digits") << "ar_EG" << "12" << true << 12.0;

    // Right-to-left locales write their signs with invisible direction marks. These inputs once
    // went wrong: every negative number such a locale shows, payments included, was rejected.
    QTest::newRow("ar sign after letter mark") << "ar_EG"
        << QStringLiteral("\u061C-\u0669\u066B\u0660\u0660") << true << -9.0;
    QTest::newRow("he sign after left-to-right mark") << "he_IL"
        << QStringLiteral("\u200E-1,461.00") << true << -1461.0;
    QTest::newRow("fa minus after mark") << "fa_IR" << QStringLiteral("\u200E\u2212\u06F9") << true
        << -9.0;
    QTest::newRow("ps sign between marks") << "ps_AF" << QStringLiteral("\u200E-\u200E\u06F9")
        << true << -9.0;
    QTest::newRow("he positive sign with mark") << "he_IL" << QStringLiteral("\u200E+5") << true
        << 5.0;
    QTest::newRow("marks are invisible anywhere") << "en_US" << QStringLiteral("\u200F1\u200E000 ")
        << true << 1000.0;
    QTest::newRow("marks alone") << "he_IL" << QStringLiteral(" \u200E\u200F ") << false << 0.0;
    QTest::newRow("mark and sign alone") << "ar_EG" << QStringLiteral("\u061C-") << false << 0.0;
    // clang-format on
}

void TestNumberFormat::reading()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);

    const NumberFormat numbers{QLocale(locale)};
    QCOMPARE(numbers.isNumeric(text), numeric);
    QCOMPARE(numbers.toDouble(text), value);
}

void TestNumberFormat::formatting_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("us grouped") << "en_US" << 1266.0 << "1,266.00";
    QTest::newRow("us negative") << "en_US" << -9.0 << "-9.00";
    QTest::newRow("us zero") << "en_US" << 0.0 << "0.00";
    QTest::newRow("us negative zero") << "en_US" << -0.0 << "0.00";
    QTest::newRow("us millions") << "en_US" << 1234567.0 << "1,234,567.00";
    QTest::newRow("de") << "de_DE" << 1266.0 << "1.266,00";
    QTest::newRow("de negative") << "de_DE" << -1266.0 << "-1.266,00";
    QTest::newRow("fr") << "fr_FR" << 1266.0 << QStringLiteral("1\u202F266,00");
    QTest::newRow("in lakh grouping") << "en_IN" << 1234567.0 << "12,34,567.00";
    QTest::newRow("C no grouping") << "C" << 1266.0 << "1266.00";
    QTest::newRow("C negative") << "C" << -9.0 << "-9.00";
    // clang-format on
}

void TestNumberFormat::formatting()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    const NumberFormat numbers{QLocale(locale)};
    QCOMPARE(numbers.format(value), text);
    // What the program shows, it reads back as the same value.
    QCOMPARE(numbers.toDouble(text), value);
}

void TestNumberFormat::everyLocaleReadsWhatItShows_data()
{
    // clang-format off
    QTest::addColumn<double>("value");

    QTest::newRow("zero") << 0.0;
    QTest::newRow("payment") << 1461.0;
    QTest::newRow("negative payment") << -9.0;
    QTest::newRow("millions") << -1234567.0;
    QTest::newRow("beyond whole doubles") << 9007199254740994.0;
    QTest::newRow("huge") << 1e300;
    QTest::newRow("largest double") << -1.7976931348623157e308;
    // clang-format on
}

void TestNumberFormat::everyLocaleReadsWhatItShows()
{
    QFETCH(double, value);

    QStringList failures;
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const NumberFormat numbers{locale};
        const QString shown = numbers.format(value);
        if (!numbers.isNumeric(shown) || numbers.toDouble(shown) != value)
            failures << locale.bcp47Name() + QStringLiteral(": ") + shown;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    QVERIFY(locales.size() > 100);
}

// The payment is rounded by the C library's std::nearbyint, half to even in the default mode: in
// glibc and in MinGW's runtime alike (the Windows build runs this under Wine).
void TestNumberFormat::rounding_data()
{
    // clang-format off
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("half to even below") << 2.5 << 2.0;
    QTest::newRow("half to even above") << 3.5 << 4.0;
    QTest::newRow("half of zero") << 0.5 << 0.0;
    QTest::newRow("negative half to even") << -2.5 << -2.0;
    QTest::newRow("negative half up to even") << -3.5 << -4.0;
    QTest::newRow("just below half") << 2.4999999999999996 << 2.0;
    QTest::newRow("just above half") << 2.5000000000000004 << 3.0;
    QTest::newRow("payment") << 1461.4753 << 1461.0;
    QTest::newRow("payment above half") << 8.8848 << 9.0;
    QTest::newRow("negative payment") << -8.8848 << -9.0;
    QTest::newRow("beyond whole doubles") << 4503599627370497.0 << 4503599627370497.0;
    QTest::newRow("huge") << 1e300 << 1e300;
    // clang-format on
}

void TestNumberFormat::rounding()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(std::nearbyint(value), rounded);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_number_format.moc"
