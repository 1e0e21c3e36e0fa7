// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/payment_calculation.h"
#include "platform/numbers/number_format.h"
#include "recording_payment_view.h"

#include <QLocale>
#include <QTest>

// Pasted and pathological texts: whatever their size, the field is judged as for any other text.
// (bench_calc measures that the time grows in proportion to the text.)
class TestHugeInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longNumbers_data();
    void longNumbers();
    void digitClasses_data();
    void digitClasses();
    void megabyteTexts_data();
    void megabyteTexts();
};

namespace {

constexpr qsizetype Megabyte = 1024 * 1024;

QString fromCodePoint(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

// The digits of one Unicode digit class, by their value, from the class's zero.
QString digits(char32_t zero, QStringView values)
{
    QString text;
    for (QChar value : values)
        text += fromCodePoint(zero + char32_t(value.digitValue()));
    return text;
}

// prefix, then unit repeated, then suffix: together `length` UTF-16 code units or just under.
QString build(const QString &prefix, const QString &unit, const QString &suffix, qsizetype length)
{
    const qsizetype repeats = (length - prefix.size() - suffix.size()) / unit.size();
    return prefix + unit.repeated(repeats) + suffix;
}

} // namespace

void TestHugeInput::longNumbers_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    constexpr qsizetype TenThousand = 10'000;
    QTest::newRow("10,000 nines") << "en_US" << QString(TenThousand, u'9') << false << 0.0;
    QTest::newRow("10,000 digits of leading zeros") << "en_US"
        << build({}, "0", "250000", TenThousand) << true << 250000.0;
    QTest::newRow("10,000 decimals") << "en_US" << build("0.", "5", {}, TenThousand) << true
        << 0.5555555555555556;
    QTest::newRow("10,000 digits, grouped") << "en_US" << build("1", ",000", {}, TenThousand)
        << false << 0.0;
    QTest::newRow("grouped zeros") << "en_US" << build("0", ",000", ".5", TenThousand) << true
        << 0.5;
    QTest::newRow("10,000-digit exponent") << "en_US" << build("25e", "0", "2", TenThousand) << true
        << 2500.0;
    QTest::newRow("10,000-digit negative exponent") << "en_US"
        << build("1e-", "0", "1", TenThousand) << true << 0.1;
    QTest::newRow("exponent too large") << "en_US" << build("1e", "9", {}, TenThousand) << false
        << 0.0;
    QTest::newRow("10,000 blanks around") << "en_US"
        << QString(5000, u' ') + "12" + QString(5000, u'\t') << true << 12.0;
    QTest::newRow("only group separators") << "en_US" << QString(TenThousand, u',') << false << 0.0;
    QTest::newRow("only decimal points") << "en_US" << QString(TenThousand, u'.') << false << 0.0;
    QTest::newRow("alternating separators") << "en_US" << build("1", ",.", {}, TenThousand) << false
        << 0.0;
    QTest::newRow("only signs") << "en_US" << QString(TenThousand, u'-') << false << 0.0;
    QTest::newRow("fr only spaces inside") << "fr_FR" << build("1", " ", "1", TenThousand) << false
        << 0.0;
    QTest::newRow("only direction marks") << "he_IL" << QString(TenThousand, u'\u200E') << false
        << 0.0;
    QTest::newRow("direction marks before a sign") << "he_IL"
        << build({}, QStringLiteral("\u200E"), "-5", TenThousand) << true << -5.0;
    QTest::newRow("ar 10,000 native digits of leading zeros") << "ar_EG"
        << build({}, digits(0x0660, u"0"), digits(0x0660, u"1234"), TenThousand) << true << 1234.0;
    // clang-format on
}

void TestHugeInput::longNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);

    const NumberFormat numbers{QLocale(locale)};
    QCOMPARE(numbers.isNumeric(text), numeric);
    QCOMPARE(numbers.toDouble(text), value);

    RecordingPaymentView view(text, "5", "25");
    CalcPayment(view, numbers);
    QCOMPARE(view.isMarked(InputField::Amount), !numeric);
    QCOMPARE(view.result.isEmpty(), !numeric);
}

void TestHugeInput::digitClasses_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");

    // Latin digits, and the locale's own native digits where it has them, are numbers; the
    // digits of every other class are not, however many of them there are.
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("ar_EG") << "ar_EG";
    QTest::newRow("fa_IR") << "fa_IR";
    QTest::newRow("mr_IN") << "mr_IN";
    // clang-format on
}

void TestHugeInput::digitClasses()
{
    QFETCH(QString, locale);

    const QLocale numberLocale(locale);
    const NumberFormat numbers(numberLocale);
    const char32_t nativeZero = numberLocale.zeroDigit().toUcs4().front();

    int classes = 0;
    QStringList wrong;
    for (char32_t c = 0; c <= QChar::LastValidCodePoint; ++c) {
        if (QChar::category(c) != QChar::Number_DecimalDigit || QChar::digitValue(c) != 0)
            continue;
        ++classes;
        // 10,000 digits: leading zeros, then 1234, all of this class.
        const QString text = digits(c, QString(9996, u'0') + QStringLiteral("1234"));
        const bool expected = c == U'0' || c == nativeZero;
        if (numbers.isNumeric(text) != expected ||
            numbers.toDouble(text) != (expected ? 1234.0 : 0.0)) {
            wrong << QStringLiteral("U+%1").arg(quint32(c), 4, 16, QLatin1Char('0'));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u' ')));
    // Unicode has over sixty classes of decimal digits.
    QVERIFY(classes > 60);
}

void TestHugeInput::megabyteTexts_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("numeric");

    // Each text is the unit repeated to a megabyte of UTF-16, with prefix and suffix.
    QTest::newRow("digits") << "en_US" << QString() << "7" << QString() << false;
    QTest::newRow("leading zeros") << "en_US" << QString() << "0" << "250000" << true;
    QTest::newRow("decimals") << "en_US" << "0." << "3" << QString() << true;
    QTest::newRow("words") << "en_US" << QString() << "payment " << QString() << false;
    QTest::newRow("digits then a letter") << "en_US" << QString() << "1" << "x" << false;
    QTest::newRow("grouped digits") << "en_US" << "1" << ",000" << QString() << false;
    QTest::newRow("group separators") << "en_US" << QString() << "," << QString() << false;
    QTest::newRow("decimal points") << "en_US" << QString() << "." << QString() << false;
    QTest::newRow("mixed separators") << "en_US" << "1" << ",." << QString() << false;
    QTest::newRow("blanks around a number") << "en_US" << QString() << " \t\n" << "5" << true;
    QTest::newRow("fr spaces grouping") << "fr_FR" << "1" << " 000" << QString() << false;
    QTest::newRow("fr spaces") << "fr_FR" << "1" << " " << "1" << false;
    QTest::newRow("de points grouping") << "de_DE" << "0" << ".000" << ",5" << true;
    QTest::newRow("direction marks") << "he_IL" << QString() << QStringLiteral("\u200E") << "-5"
        << true;
    QTest::newRow("Arabic-Indic digits under en_US") << "en_US" << QString() << digits(0x0660, u"0")
        << digits(0x0660, u"1") << false;
    QTest::newRow("Arabic-Indic digits under ar_EG") << "ar_EG" << QString() << digits(0x0660, u"0")
        << digits(0x0660, u"1") << true;
    QTest::newRow("Arabic-Indic grouping under ar_EG") << "ar_EG" << digits(0x0660, u"0")
        << QStringLiteral("\u066C") + digits(0x0660, u"000") << QString() << true;
    QTest::newRow("Devanagari digits under en_US") << "en_US" << QString() << digits(0x0966, u"0")
        << QString() << false;
    QTest::newRow("Mathematical digits under ar_EG") << "ar_EG" << QString()
        << digits(0x1D7CE, u"0") << QString() << false;
    // clang-format on
}

void TestHugeInput::megabyteTexts()
{
    QFETCH(QString, locale);
    QFETCH(QString, prefix);
    QFETCH(QString, unit);
    QFETCH(QString, suffix);
    QFETCH(bool, numeric);

    const NumberFormat numbers{QLocale(locale)};
    RecordingPaymentView view(build(prefix, unit, suffix, Megabyte), "5", "25");
    CalcPayment(view, numbers);
    QCOMPARE(view.isMarked(InputField::Amount), !numeric);
    QCOMPARE(view.result.isEmpty(), !numeric);
}

QTEST_APPLESS_MAIN(TestHugeInput)
#include "tst_huge_input.moc"
