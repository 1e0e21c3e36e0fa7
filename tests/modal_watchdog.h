// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

// Closes any modal window that appears while a test runs, so a box shown by mistake fails the
// test instead of hanging it until the test runner's timeout.
class ModalWatchdog : public QObject
{
public:
    ModalWatchdog()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                ++m_closed;
                modal->close();
            }
        });
        m_timer.start(50);
    }

    int closedModals() const { return m_closed; }

private:
    QTimer m_timer;
    int m_closed = 0;
};
