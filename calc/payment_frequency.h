// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

// How often payments are made: the entries of the frequency list, in list order, each with the
// number of payment periods it gives a year.
struct PaymentFrequency
{
    const char *caption; // untranslated; see frequencyCaption()
    int periodsPerYear;
};

inline constexpr std::array<PaymentFrequency, 3> PaymentFrequencies{{
    {QT_TRANSLATE_NOOP("PaymentFrequency", "Monthly"), 12},
    {QT_TRANSLATE_NOOP("PaymentFrequency", "Bi-Weekly"), 26},
    {QT_TRANSLATE_NOOP("PaymentFrequency", "Weekly"), 52},
}};

// The frequency at a list position; no selection (-1) or any other position counts as Monthly.
inline const PaymentFrequency &paymentFrequencyAt(int position)
{
    if (position < 0 || position >= int(PaymentFrequencies.size()))
        return PaymentFrequencies[0];
    return PaymentFrequencies[std::size_t(position)];
}

// The caption as the frequency list shows it, in the user's language.
inline QString frequencyCaption(const PaymentFrequency &frequency)
{
    return QCoreApplication::translate("PaymentFrequency", frequency.caption);
}
