// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers/number_format.h"

#include <cmath>
#include <utility>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#endif

namespace {

constexpr char16_t NoBreakSpace = u'\u00A0';
constexpr char16_t NarrowNoBreakSpace = u'\u202F';
constexpr char16_t LeftToRightMark = u'\u200E';
constexpr char16_t RightToLeftMark = u'\u200F';
constexpr char16_t ArabicLetterMark = u'\u061C';

bool isSpaceLike(QChar c)
{
    return c == u' ' || c == NoBreakSpace || c == NarrowNoBreakSpace;
}

bool isDirectionMark(QChar c)
{
    return c == LeftToRightMark || c == RightToLeftMark || c == ArabicLetterMark;
}

#ifdef Q_OS_WIN

// The value as Windows writes a number under the user's regional settings: separators, grouping,
// number of decimals, leading zero and the negative-number form, none of which QLocale reads all
// of. Nothing when Windows cannot format it.
std::optional<QString> formatUnderUserSettings(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Windows reads digits, one "." and a leading "-", never an exponent.
    const std::wstring number =
        QString::number(value, 'f', QLocale::FloatingPointShortest).toStdWString();
    // Wine 10 (Debian 13) crashes inside GetNumberFormatEx on 220 digits or more. Amounts that
    // long, far beyond any loan, are written by QLocale, which reads the same separators.
    constexpr std::size_t LongestNumberForWindows = 100;
    if (number.size() > LongestNumberForWindows)
        return std::nullopt;
    const int size =
        GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, number.c_str(), nullptr, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::wstring text(static_cast<size_t>(size), L'\0');
    if (GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, number.c_str(), nullptr, text.data(),
                          size) <= 0)
        return std::nullopt;
    text.resize(static_cast<size_t>(size) - 1); // less the terminating NUL
    return QString::fromStdWString(text);
}

#endif

} // namespace

NumberFormat::NumberFormat(const QLocale &locale)
    : m_locale(locale)
    , m_groupSeparator(locale.groupSeparator())
    , m_groupsWithSpace(m_groupSeparator.size() == 1 && isSpaceLike(m_groupSeparator.front()))
#ifdef Q_OS_WIN
    , m_usersOwnSettings(locale == QLocale::system())
#endif
{}

bool NumberFormat::isNumeric(const QString &text) const
{
    return read(text).has_value();
}

double NumberFormat::toDouble(const QString &text) const
{
    return read(text).value_or(0.0);
}

QString NumberFormat::format(double value) const
{
    // Adding +0.0 turns a negative zero into zero, so a payment rounded to nothing never shows
    // as "-0.00".
    value += 0.0;
#ifdef Q_OS_WIN
    if (m_usersOwnSettings) {
        if (std::optional<QString> text = formatUnderUserSettings(value))
            return *text;
    }
#endif
    return m_locale.toString(value, 'f', 2);
}

std::optional<double> NumberFormat::read(const QString &text) const
{
    if (text != m_lastText) {
        m_lastReading = parse(text);
        m_lastText = text;
    }
    return m_lastReading;
}

std::optional<double> NumberFormat::parse(const QString &text) const
{
    QString normalized = text;
    // Right-to-left locales write their signs with an invisible direction mark ("\u061C-" under
    // ar_EG, "\u200E-" under he_IL) and QLocale prints them so, but its reading rejects them. The
    // marks carry no value: dropping them lets the program read the payments it shows and the
    // texts users copy from elsewhere, while a text that shows no number stays non-numeric.
    normalized.removeIf(isDirectionMark);
    normalized = std::move(normalized).trimmed();
    if (normalized.isEmpty())
        return std::nullopt;

    // Locales that group digits with a no-break space (fr_FR uses U+202F) cannot expect the user
    // to type one: a plain space and U+00A0 stand for it as well.
    if (m_groupsWithSpace) {
        for (QChar &c : normalized) {
            if (isSpaceLike(c))
                c = m_groupSeparator.front();
        }
    }

    bool ok = false;
    double value = m_locale.toDouble(normalized, &ok);
    if (!ok)
        value = readWithShortLeadingGroup(normalized, &ok);
    // QLocale reads "inf" and "nan" as numbers; neither is a number a user can mean.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// QLocale (seen in Qt 6.4.2 and 6.8.2) rejects a number whose leading digit group is shorter than
// the locale's least grouping, even where more groups follow: under es_ES, pl_PL or hu_HU, which
// leave four-digit numbers ungrouped, it reads "25.000.000" but not "1.500.000", which users type
// and Qt 6.8's own toString() writes. Zeros in front of that group carry no value and make it long
// enough; every other group is still judged by QLocale. A text with one separator is left to
// QLocale alone, since there the leading group's length is what the locale's grouping decides.
double NumberFormat::readWithShortLeadingGroup(const QString &text, bool *ok) const
{
    *ok = false;
    if (m_groupSeparator.size() != 1 || text.count(m_groupSeparator.front()) < 2)
        return 0.0;
    const QString zero = m_locale.zeroDigit();
    qsizetype firstDigit = 0;
    while (firstDigit < text.size() && !text.at(firstDigit).isDigit())
        ++firstDigit;
    if (firstDigit == text.size() || firstDigit > text.indexOf(m_groupSeparator))
        return 0.0;
    QString padded = text;
    for (int zeros = 1; zeros <= 2; ++zeros) {
        padded.insert(firstDigit, zero);
        const double value = m_locale.toDouble(padded, ok);
        if (*ok)
            return value;
    }
    return 0.0;
}
