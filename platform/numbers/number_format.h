// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reads and writes numbers the way the user's locale writes them. The numeric test and the
// conversion share one reading, so a text that passes the test always converts to the value the
// user sees in it ("250,000" is 250000 under en_US, "5,5" is 5.5 under de_DE).
class NumberFormat
{
public:
    explicit NumberFormat(const QLocale &locale);

    // True when the whole text, blanks around it aside, is one finite number: sign, digits, the
    // locale's decimal separator, its group separator in valid positions and an exponent.
    bool isNumeric(const QString &text) const;

    // The value of a numeric text; 0 for a text that is not numeric.
    double toDouble(const QString &text) const;

    // Two decimals with the locale's separators, grouping and negative sign. On Windows, for the
    // user's own locale (QLocale::system()), as the user's regional settings say instead, with
    // their number of decimals and negative-number form too.
    QString format(double value) const;

    const QLocale &locale() const { return m_locale; }

private:
    std::optional<double> read(const QString &text) const;
    std::optional<double> parse(const QString &text) const;
    double readWithShortLeadingGroup(const QString &text, bool *ok) const;

    QLocale m_locale;
    QString m_groupSeparator;
    bool m_groupsWithSpace;
#ifdef Q_OS_WIN
    bool m_usersOwnSettings;
#endif

    // A text is usually judged and then converted; remembering the last reading saves parsing
    // it twice. Reading is a pure function of the text, so the memo is invisible to callers.
    mutable QString m_lastText;
    mutable std::optional<double> m_lastReading;
};
