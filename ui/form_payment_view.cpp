#include "form_payment_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

FormPaymentView::FormPaymentView(std::array<QLineEdit *, 3> inputs, QComboBox *frequency,
                                 QLineEdit *result)
    : m_inputs(inputs)
    , m_frequency(frequency)
    , m_result(result)
{}

QString FormPaymentView::fieldText(InputField field) const
{
    return input(field)->text();
}

void FormPaymentView::setFieldBackground(InputField field, FieldBackground background)
{
    QLineEdit *edit = input(field);
    // Start from the style's palette for line edits, so a normal field looks exactly like any
    // other editable field, whatever the theme.
    QPalette palette = QApplication::palette(edit);
    if (background == FieldBackground::FieldMarked)
        palette.setColor(QPalette::Base, QColor(255, 255, 0));
    edit->setPalette(palette);
}

int FormPaymentView::frequencyPosition() const
{
    return m_frequency->currentIndex();
}

void FormPaymentView::setResultText(const QString &text)
{
    m_result->setText(text);
}

QLineEdit *FormPaymentView::input(InputField field) const
{
    return m_inputs[std::size_t(field)];
}
