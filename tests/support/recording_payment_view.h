// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/payment_view.h"

#include <QString>
#include <QStringList>

#include <array>

// An in-memory view that remembers every colour and result the calculation writes, in order.
// Shared by the tests, the fuzz harnesses and the benchmarks; benchmarks turn the log off.
class RecordingPaymentView : public PaymentView
{
public:
    RecordingPaymentView(const QString &amount, const QString &rate, const QString &term,
                         int frequency = 0)
        : texts{amount, rate, term}
        , position(frequency)
    {}

    QString fieldText(InputField field) const override { return texts[index(field)]; }

    void setFieldBackground(InputField field, FieldBackground background) override
    {
        backgrounds[index(field)] = background;
        if (logging)
            log << QStringLiteral("%1:%2").arg(fieldName(field),
                                               background == FieldBackground::FieldMarked
                                                   ? QStringLiteral("marked")
                                                   : QStringLiteral("normal"));
    }

    int frequencyPosition() const override { return position; }

    void setResultText(const QString &text) override
    {
        result = text;
        if (logging)
            log << QStringLiteral("result:") + text;
    }

    bool isMarked(InputField field) const
    {
        return backgrounds[index(field)] == FieldBackground::FieldMarked;
    }

    // Whether the last run coloured every field and wrote the result exactly once.
    bool everyFieldColoured() const
    {
        for (InputField field : {InputField::Amount, InputField::Rate, InputField::Term}) {
            if (log.filter(fieldName(field) + u':').isEmpty())
                return false;
        }
        return true;
    }
    qsizetype resultWrites() const { return log.filter(QStringLiteral("result:")).size(); }

    static QString fieldName(InputField field)
    {
        static const std::array<QString, 3> names{QStringLiteral("amount"), QStringLiteral("rate"),
                                                  QStringLiteral("term")};
        return names[index(field)];
    }

    std::array<QString, 3> texts;
    int position = 0;
    std::array<FieldBackground, 3> backgrounds{};
    QString result = QStringLiteral("(untouched)");
    QStringList log;
    bool logging = true;

private:
    static std::size_t index(InputField field) { return std::size_t(field); }
};
