// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Tells screen readers a short text once, showing nothing on the screen: a status bar of no
// size whose notice, a child of no size, is shown with the text each time. Orca 43 (Debian 12) speaks a notification
// as it is shown, and one inside a status bar without naming its role; it does not speak a
// changed description, as Qt 6.4 sends that change without the new text.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);

private:
    QWidget *m_notice;
};
