// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What screen readers see of the window's drop-down list, one the user cannot type in: its name,
// its list, its actions and states as Qt's own interface gives them, but where Qt gets them
// wrong for Orca:
// - Qt before 6.5 gives the list no accessible selection, and Orca 43 (Debian 12, Qt 6.4), which
//   then looks for the entry shown in the list's text, names the list without it. There the
//   entry shown is the list's read-only text.
// - On Linux Qt names a list after the entry it shows, leaving its caption to the label's
//   relation, and Orca 48 (Debian 13, Qt 6.8) then says the entry twice: "Payment frequency
//   Monthly combo box Monthly." From Qt 6.8 the list's name is its caption; Orca 43 says Qt
//   6.4's list as it should.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
#else
class ComboBoxAccessible : public QAccessibleWidget
#endif
{
public:
    explicit ComboBoxAccessible(QComboBox *comboBox);

    // Makes every drop-down list of the program use this interface; once is enough.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // QAccessibleTextInterface: the entry shown, which the user cannot select or edit as text.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
#endif

private:
    QComboBox *comboBox() const;
};
