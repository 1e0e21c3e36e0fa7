// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_edit_accessible.h"

#include "ui/text_boundaries.h"

#include <QLineEdit>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

QAccessibleInterface *accessibleLineEdit(const QString &className, QObject *object)
{
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()) && object)
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

LineEditAccessible::LineEditAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

void LineEditAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleLineEdit);
        return true;
    }();
    Q_UNUSED(installed);
}

QLineEdit *LineEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? lineEdit()->text() : QAccessibleWidget::text(t);
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        lineEdit()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0)
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = *startOffset + lineEdit()->selectionLength();
}

int LineEditAccessible::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const auto [start, length] =
        TextBoundaries::range(startOffset, endOffset, lineEdit()->text().size());
    lineEdit()->setSelection(start, length);
}

int LineEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    const QString text = lineEdit()->text();
    const auto [start, length] = TextBoundaries::range(startOffset, endOffset, text.size());
    return text.mid(start, length);
}

// Qt 6.4 and 6.8 never answer a query for the word at the end of the text, which hangs the
// program; here every boundary query is answered at once.
QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(lineEdit()->text(), cursorPosition(), offset,
                                TextBoundaries::Side::Before, boundaryType, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(lineEdit()->text(), cursorPosition(), offset,
                                TextBoundaries::Side::After, boundaryType, startOffset, endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(lineEdit()->text(), cursorPosition(), offset,
                                TextBoundaries::Side::At, boundaryType, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(lineEdit()->text().size());
}

// Where the field draws a character: the caret's rectangle is centred on the caret, and every
// other offset lies as far from it as in the text laid out on its own. (Qt 6.4's and 6.8's own
// interface leave out the field's frame, margins and scrolling.)
QRect LineEditAccessible::characterRect(int offset) const
{
    const QString text = lineEdit()->text();
    if (offset < 0 || offset >= text.size())
        return QRect();

    QLineEdit *edit = lineEdit();
    QTextLayout layout(text, edit->font());
    QTextOption option;
    option.setTextDirection(edit->layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const QRectF caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    const qreal shift = caret.center().x() - line.cursorToX(edit->cursorPosition());
    const qreal from = line.cursorToX(offset) + shift;
    const qreal to = line.cursorToX(offset + 1) + shift;
    const QRect place(qRound(std::min(from, to)), qRound(caret.top()), qRound(std::abs(to - from)),
                      edit->fontMetrics().height());
    return QRect(edit->mapToGlobal(place.topLeft()), place.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

// A line edit draws its whole text in one font and colour. Qt 6.4 gives an empty run of
// attributes at every offset, and Orca 43 (Debian 12), which builds a field's spoken line from
// those runs, drops its last character ("25000" for "250000"): there one run without attributes
// covers the whole text. Qt 6.8 gives the same empty runs, and Orca 48 reads them whole.
QString LineEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    *startOffset = 0;
    *endOffset = length;
#else
    *startOffset = *endOffset = offset;
#endif
    return QString();
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

// Edits as typing would: the field's length limit applies, and undo takes it back.
void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    const auto [start, length] =
        TextBoundaries::range(startOffset, endOffset, lineEdit()->text().size());
    lineEdit()->setSelection(start, length);
    lineEdit()->insert(text);
}
