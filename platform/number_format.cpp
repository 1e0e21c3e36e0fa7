#include "number_format.h"

#include <cmath>

namespace {

constexpr char16_t NoBreakSpace = u'\u00A0';
constexpr char16_t NarrowNoBreakSpace = u'\u202F';

bool isSpaceLike(QChar c)
{
    return c == u' ' || c == NoBreakSpace || c == NarrowNoBreakSpace;
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
    QString normalized = text.trimmed();
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
