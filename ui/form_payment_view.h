#pragma once

#include "calc/payment_view.h"

#include <array>

class QComboBox;
class QLineEdit;

// The calculation's view of the window: the three input fields, the frequency list and the
// result field. Marked fields get a pure yellow base; normal ones the style's own.
class FormPaymentView : public PaymentView
{
public:
    FormPaymentView(std::array<QLineEdit *, 3> inputs, QComboBox *frequency, QLineEdit *result);

    QString fieldText(InputField field) const override;
    void setFieldBackground(InputField field, FieldBackground background) override;
    int frequencyPosition() const override;
    void setResultText(const QString &text) override;

private:
    QLineEdit *input(InputField field) const;

    std::array<QLineEdit *, 3> m_inputs;
    QComboBox *m_frequency;
    QLineEdit *m_result;
};
