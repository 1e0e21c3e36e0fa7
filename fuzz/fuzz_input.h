// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/numbers/number_format.h"

#include <QLocale>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

// What the harnesses share: the locales they read numbers under, the decoding of fuzzed bytes
// into a field's text and the report of a broken invariant.
namespace FuzzInput {

// Locales with different separators, grouping, signs, exponents and native digits, right-to-left
// ones among them. A fuzzed byte picks one.
inline const NumberFormat &consumeNumberFormat(FuzzedDataProvider &input)
{
    static const std::array<NumberFormat, 16> formats{
        NumberFormat(QLocale::c()),
        NumberFormat(QLocale(QStringLiteral("en_US"))),
        NumberFormat(QLocale(QStringLiteral("de_DE"))),
        NumberFormat(QLocale(QStringLiteral("fr_FR"))),
        NumberFormat(QLocale(QStringLiteral("de_CH"))),
        NumberFormat(QLocale(QStringLiteral("sv_SE"))),
        NumberFormat(QLocale(QStringLiteral("es_ES"))),
        NumberFormat(QLocale(QStringLiteral("en_IN"))),
        NumberFormat(QLocale(QStringLiteral("ar_EG"))),
        NumberFormat(QLocale(QStringLiteral("ar_DZ"))),
        NumberFormat(QLocale(QStringLiteral("he_IL"))),
        NumberFormat(QLocale(QStringLiteral("fa_IR"))),
        NumberFormat(QLocale(QStringLiteral("ps_AF"))),
        NumberFormat(QLocale(QStringLiteral("bn_BD"))),
        NumberFormat(QLocale(QStringLiteral("mr_IN"))),
        NumberFormat(QLocale(QStringLiteral("my_MM"))),
    };
    return formats[input.ConsumeIntegralInRange<std::size_t>(0, formats.size() - 1)];
}

// Typed and pasted text arrives as UTF-16 and may hold anything, lone surrogates included; UTF-8
// lets the fuzzer reach multi-byte characters from readable seeds.
inline QString toText(const std::string &bytes, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QString text(qsizetype(bytes.size() / 2), Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), std::size_t(text.size()) * sizeof(QChar));
    return text;
}

// Reports a broken invariant with the texts involved and aborts, which libFuzzer records as a
// crash together with the input that caused it.
inline void require(bool holds, const char *invariant, const NumberFormat &numbers,
                    std::initializer_list<QString> texts)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n  locale: %s\n", invariant,
                 qPrintable(numbers.locale().name()));
    for (const QString &text : texts)
        std::fprintf(stderr, "  text: \"%s\"\n", text.toUtf8().constData());
    std::abort();
}

} // namespace FuzzInput
