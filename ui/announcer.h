// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QtGlobal>

class QComboBox;
class QWidget;

// Tells screen readers a short text about a control once, showing nothing on the screen.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(QWidget *control, const QString &text);

    // Tells the entry the user picks in the list by keyboard while it is closed. Orca says the
    // entries of the open list as the user moves through them, and the one picked as the focus
    // comes back to the closed list.
    void tellKeyboardChoices(QComboBox *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QWidget *m_notice;
#endif
    QComboBox *m_list = nullptr;
    bool m_listHandlesKey = false;
};
