// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "combo_box_accessible.h"

#include "ui/text_boundaries.h"

#include <QAbstractItemView>
#include <QComboBox>

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

// The list that drops down.
int ComboBoxAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child->object() == comboBox()->view() ? 0 : -1;
}

QAccessibleInterface *ComboBoxAccessible::childAt(int /*x*/, int /*y*/) const
{
    return nullptr;
}

QAccessibleInterface *ComboBoxAccessible::focusChild() const
{
    return nullptr;
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Value:
        return comboBox()->currentText();
    case QAccessible::Accelerator:
        return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) && defined(Q_OS_UNIX)
    case QAccessible::Name: // as Qt's own on Linux
        return comboBox()->currentText();
#endif
    default:
        return QAccessibleWidget::text(t);
    }
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
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
#endif
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

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

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
    const QString text = comboBox()->currentText();
    const auto [start, length] = TextBoundaries::range(startOffset, endOffset, text.size());
    return text.mid(start, length);
}

QString ComboBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(comboBox()->currentText(), 0, offset, TextBoundaries::Side::Before,
                                boundaryType, startOffset, endOffset);
}

QString ComboBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(comboBox()->currentText(), 0, offset, TextBoundaries::Side::After,
                                boundaryType, startOffset, endOffset);
}

QString ComboBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return TextBoundaries::item(comboBox()->currentText(), 0, offset, TextBoundaries::Side::At,
                                boundaryType, startOffset, endOffset);
}

int ComboBoxAccessible::characterCount() const
{
    return int(comboBox()->currentText().size());
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

#endif
