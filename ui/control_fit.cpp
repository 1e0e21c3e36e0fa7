// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_fit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace ControlFit {

namespace {

// QLineEdit keeps these inside its contents rectangle, around the text line.
constexpr int LineEditHorizontalMargin = 2;
constexpr int LineEditVerticalMargin = 1;
// The drop-down list draws its current entry one pixel in from each side of its edit field.
constexpr int ComboLabelMargin = 1;

QSize singleLine(const QWidget *control, const QString &text)
{
    const QSize size = control->fontMetrics().size(Qt::TextSingleLine, text);
    return {size.width(), std::max(size.height(), control->fontMetrics().height())};
}

} // namespace

QSize textSize(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return singleLine(label, label->text());
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return singleLine(edit, edit->text());
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return singleLine(button, button->text());
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        QSize widest = singleLine(combo, QString());
        for (int i = 0; i < combo->count(); ++i)
            widest = widest.expandedTo(singleLine(combo, combo->itemText(i)));
        return widest;
    }
    return {};
}

QSize textArea(const QWidget *control)
{
    QStyle *style = control->style();
    if (const auto *edit = qobject_cast<const QLineEdit *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth =
            edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                                   .marginsRemoved(edit->textMargins());
        return contents.size() - QSize(2 * LineEditHorizontalMargin, 2 * LineEditVerticalMargin);
    }
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        option.text = button->text();
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.rect = combo->rect();
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo);
        return field.size() - QSize(2 * ComboLabelMargin, 0);
    }
    return control->contentsRect().size();
}

} // namespace ControlFit
