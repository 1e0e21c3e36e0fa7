// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "combo_box_accessible.h"

#include "ui/text_boundaries.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface *accessibleComboBox(const QString &className, QObject *object)
{
    if (className == QLatin1String(QComboBox::staticMetaObject.className()) && object)
        return new ComboBoxAccessible(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

ComboBoxAccessible::ComboBoxAccessible(QComboBox *comboBox)
    : QAccessibleWidget(comboBox, QAccessible::ComboBox)
{}

void ComboBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleComboBox);
        return true;
    }();
    Q_UNUSED(installed);
}

QComboBox *ComboBoxAccessible::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QString ComboBoxAccessible::shownText() const
{
    return comboBox()->isEditable() ? comboBox()->lineEdit()->text() : comboBox()->currentText();
}

// The list that drops down, and the line edit of a list one can type in.
int ComboBoxAccessible::childCount() const
{
    return comboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(comboBox()->view());
    if (index == 1 && comboBox()->isEditable())
        return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
    return nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child->object() == comboBox()->view())
        return 0;
    if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
        return 1;
    return -1;
}

QAccessibleInterface *ComboBoxAccessible::childAt(int x, int y) const
{
    if (comboBox()->isEditable() && comboBox()->lineEdit()->rect().contains(x, y))
        return child(1);
    return nullptr;
}

QAccessibleInterface *ComboBoxAccessible::focusChild() const
{
    return comboBox()->isEditable() ? child(1) : nullptr;
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    QString str;
    switch (t) {
    case QAccessible::Value:
        str = shownText();
        break;
    case QAccessible::Accelerator:
        str = QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        break;
    default:
        break;
    }
    if (str.isEmpty())
        str = QAccessibleWidget::text(t);
    if (str.isEmpty() && t == QAccessible::Name)
        str = shownText();
    return str;
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = comboBox()->view()->isVisible();
    return state;
}

void *ComboBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    // A list one can type in reads out its line edit instead.
    if (t == QAccessible::TextInterface && !comboBox()->isEditable())
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QStringList ComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (comboBox()->view()->isVisible())
        comboBox()->hidePopup();
    else
        comboBox()->showPopup();
}

QStringList ComboBoxAccessible::keyBindingsForAction(const QString & /*actionName*/) const
{
    return {};
}

void ComboBoxAccessible::selection(int /*selectionIndex*/, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

int ComboBoxAccessible::selectionCount() const
{
    return 0;
}

void ComboBoxAccessible::addSelection(int /*startOffset*/, int /*endOffset*/) {}

void ComboBoxAccessible::removeSelection(int /*selectionIndex*/) {}

void ComboBoxAccessible::setSelection(int /*selectionIndex*/, int /*startOffset*/,
                                      int /*endOffset*/)
{}

int ComboBoxAccessible::cursorPosition() const
{
    return 0;
}

void ComboBoxAccessible::setCursorPosition(int /*position*/) {}

QString ComboBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return shownText().mid(startOffset, endOffset - startOffset);
}

QString ComboBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(shownText(), 0, offset, TextBoundaries::Side::Before, boundaryType,
                                startOffset, endOffset);
}

QString ComboBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(shownText(), 0, offset, TextBoundaries::Side::After, boundaryType,
                                startOffset, endOffset);
}

QString ComboBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(shownText(), 0, offset, TextBoundaries::Side::At, boundaryType,
                                startOffset, endOffset);
}

int ComboBoxAccessible::characterCount() const
{
    return int(shownText().size());
}

// The entry is drawn by the style; screen readers get the list's place as a whole.
QRect ComboBoxAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return QRect();
    return rect();
}

int ComboBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return rect().contains(point) ? 0 : -1;
}

void ComboBoxAccessible::scrollToSubstring(int /*startIndex*/, int /*endIndex*/) {}

QString ComboBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int length = characterCount();
    *startOffset = offset < 0 || offset > length ? -1 : 0;
    *endOffset = offset < 0 || offset > length ? -1 : length;
    return QString();
}
