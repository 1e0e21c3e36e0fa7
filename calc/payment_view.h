// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The input fields of the payment calculation, in the order it judges them.
enum class InputField { Amount, Rate, Term };

enum class FieldBackground { FieldNormal, FieldMarked };

// What the calculation sees of the window: a passive view with no logic of its own, so the
// calculation runs and is tested without a window toolkit.
class PaymentView
{
public:
    virtual ~PaymentView() = default;

    virtual QString fieldText(InputField field) const = 0;
    virtual void setFieldBackground(InputField field, FieldBackground background) = 0;
    // The selected position of the frequency list, -1 when nothing is selected.
    virtual int frequencyPosition() const = 0;
    virtual void setResultText(const QString &text) = 0;
};
