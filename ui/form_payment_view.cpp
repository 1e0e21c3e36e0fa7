// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_payment_view.h"

#include "ui/announcer.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

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
{
    // Connected for as long as the view lives, which ends before its fields'.
    m_focusWatch = QObject::connect(qApp, &QApplication::focusChanged, qApp,
                                    [this](QWidget *left) { describeAsLeft(left); });
}

FormPaymentView::~FormPaymentView()
{
    QObject::disconnect(m_focusWatch);
}

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
    // number and then marked, is not told twice on every keystroke.
    describeFields();
    m_result->setText(text);
}

// Qt's accessible states have no "invalid entry" (6.4 nor 6.8), so a marked field's description
// says what it needs, which screen readers read as the user comes to the field. The field the
// user is in tells it once instead, and gets its description as the user leaves it: Orca 48
// speaks a changed description of the field in focus, which would tell it twice.
void FormPaymentView::describeFields()
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const QString need =
            m_marked[i] ? QCoreApplication::translate("FormPaymentView", FieldNeeds[i]) : QString();
        if (m_needs[i] == need)
            continue;
        m_needs[i] = need;
        if (!need.isEmpty() && m_inputs[i]->hasFocus())
            m_announcer->announce(m_inputs[i], need);
        else
            m_inputs[i]->setAccessibleDescription(need);
    }
}

// Described once the focus has gone to the next control, which Qt tells screen readers after
// the application's change of focus.
void FormPaymentView::describeAsLeft(QWidget *left)
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        QLineEdit *field = m_inputs[i];
        if (field == left && field->accessibleDescription() != m_needs[i])
            QTimer::singleShot(
                0, field, [field, need = m_needs[i]] { field->setAccessibleDescription(need); });
    }
}

QLineEdit *FormPaymentView::input(InputField field) const
{
    return m_inputs[std::size_t(field)];
}
