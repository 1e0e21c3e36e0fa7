// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;

// Tells screen readers a short text once, showing nothing on the screen: a status bar of no
// size whose notice, a child of no size, is shown with the text each time. Orca 43 (Debian 12)
// speaks a notification as it is shown, and one inside a status bar without naming its role; it
// does not speak a changed description, as Qt 6.4 sends that change without the new text.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);

    // Tells the entry the user picks in the list by keyboard while it is closed. Orca says the
    // entries of the open list as the user moves through them, and the one picked as the focus
    // comes back to the closed list.
    void tellKeyboardChoices(QComboBox *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_notice;
    QComboBox *m_list = nullptr;
    bool m_listHandlesKey = false;
};
