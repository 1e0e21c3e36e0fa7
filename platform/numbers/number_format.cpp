#include "platform/numbers/number_format.h"

#include <cmath>
#include <utility>

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

} // namespace

NumberFormat::NumberFormat(const QLocale &locale)
    : m_locale(locale)
    , m_groupSeparator(locale.groupSeparator())
    , m_groupsWithSpace(m_groupSeparator.size() == 1 && isSpaceLike(m_groupSeparator.front()))
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
    return m_locale.toString(value + 0.0, 'f', 2);
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
    const double value = m_locale.toDouble(normalized, &ok);
    // QLocale reads "inf" and "nan" as numbers; neither is a number a user can mean.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
