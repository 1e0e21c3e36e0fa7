// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

// What a control's text needs and the room the control gives it, measured with Qt's own font
// metrics and style metrics only, independently of how the window sized its controls.

// The width and height of the control's text on one line; for a list, of its widest entry.
inline QSize textNeed(const QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    QString widest;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        widest = label->text();
    else if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        widest = edit->text();
    else if (const auto *button = qobject_cast<const QPushButton *>(control))
        widest = button->text();
    int width = metrics.horizontalAdvance(widest);
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        for (int i = 0; i < combo->count(); ++i)
            width = std::max(width, metrics.horizontalAdvance(combo->itemText(i)));
    }
    return {width, metrics.height()};
}

// The rectangle inside the control where its text can be drawn without being cut: the contents
// rectangle less the frame the style draws around it.
inline QRect roomForText(const QWidget *control)
{
    const QStyle *style = control->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                     combo);
    }
    if (qobject_cast<const QLineEdit *>(control)) {
        // A line edit keeps two pixels beside its text and one above and below.
        return control->contentsRect().adjusted(frame + 2, frame + 1, -frame - 2, -frame - 1);
    }
    if (qobject_cast<const QPushButton *>(control)) {
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) / 2;
        return control->contentsRect().adjusted(frame + margin, frame, -frame - margin, -frame);
    }
    return control->contentsRect();
}

// Empty where the control's text fits its room; otherwise what it needs and what it has.
inline QString textFitFault(const QWidget *control)
{
    const QSize need = textNeed(control);
    const QRect room = roomForText(control);
    if (need.width() <= room.width() && need.height() <= room.height())
        return {};
    return QStringLiteral("%1 needs %2x%3, has %4x%5")
        .arg(control->objectName())
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}
