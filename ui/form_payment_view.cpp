// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_payment_view.h"

#include "ui/announcer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace {

// What each input field needs, in the order of InputField: the amount any number, rate and term
// a number the calculation can divide by.
constexpr std::array<const char *, 3> FieldNeeds{
    QT_TRANSLATE_NOOP("FormPaymentView", "Needs a number"),
    QT_TRANSLATE_NOOP("FormPaymentView", "Needs a number other than zero"),
    QT_TRANSLATE_NOOP("FormPaymentView", "Needs a number other than zero"),
};

} // namespace

FormPaymentView::FormPaymentView(std::array<QLineEdit *, 3> inputs, QComboBox *frequency,
                                 QLineEdit *result, Announcer *announcer)
    : m_inputs(inputs)
    , m_frequency(frequency)
    , m_result(result)
    , m_announcer(announcer)
{}

QString FormPaymentView::fieldText(InputField field) const
{
    return input(field)->text();
}

void FormPaymentView::setFieldBackground(InputField field, FieldBackground background)
{
    QLineEdit *edit = input(field);
    const bool marked = background == FieldBackground::FieldMarked;
    m_marked[std::size_t(field)] = marked;
    if (!marked) {
        // No colour of its own: the field follows the theme, also when the theme changes.
        edit->setPalette(QPalette());
        return;
    }
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(255, 255, 0));
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    edit->setPalette(palette);
}

int FormPaymentView::frequencyPosition() const
{
    return m_frequency->currentIndex();
}

void FormPaymentView::setResultText(const QString &text)
{
    // Every run of the calculation ends here, once each field has its colour. Screen readers
    // hear of a field only now, and only when it changed, so a zero, which is first judged a
    // number and then marked, is not announced twice on every keystroke. Qt 6.4's accessible
    // states have no "invalid entry", so the description says a field is wrong.
    describeFields();
    m_result->setText(text);
}

void FormPaymentView::describeFields()
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const QString description =
            m_marked[i] ? QCoreApplication::translate("FormPaymentView", FieldNeeds[i]) : QString();
        if (m_inputs[i]->accessibleDescription() == description)
            continue;
        m_inputs[i]->setAccessibleDescription(description);
        if (!description.isEmpty() && m_inputs[i]->hasFocus())
            m_announcer->announce(description);
    }
}

QLineEdit *FormPaymentView::input(InputField field) const
{
    return m_inputs[std::size_t(field)];
}
