// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/payment_view.h"

#include <QMetaObject>
#include <QString>

#include <array>

class Announcer;
class QComboBox;
class QLineEdit;
class QWidget;

// The calculation's view of the window: the three input fields, the frequency list and the
// result field. A marked field gets a pure yellow base with black text, readable in any theme,
// and tells screen readers what it needs, at once while the user is in it, and again whenever
// they come back to it; a normal field looks like any other field of the theme.
class FormPaymentView : public PaymentView
{
public:
    FormPaymentView(std::array<QLineEdit *, 3> inputs, QComboBox *frequency, QLineEdit *result,
                    Announcer *announcer);
    ~FormPaymentView() override;
    FormPaymentView(const FormPaymentView &) = delete;
    FormPaymentView &operator=(const FormPaymentView &) = delete;

    QString fieldText(InputField field) const override;
    void setFieldBackground(InputField field, FieldBackground background) override;
    int frequencyPosition() const override;
    void setResultText(const QString &text) override;

private:
    QLineEdit *input(InputField field) const;
    void describeFields();
    void describeAsLeft(QWidget *left);

    std::array<QLineEdit *, 3> m_inputs;
    QComboBox *m_frequency;
    QLineEdit *m_result;
    Announcer *m_announcer;
    // Marked by the run of the calculation under way; screen readers hear of it at the end.
    std::array<bool, 3> m_marked{};
    // What each field needs, as told to screen readers.
    std::array<QString, 3> m_needs;
    QMetaObject::Connection m_focusWatch;
};
