// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QList>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

// Stands in for a running screen reader: switches accessibility on (without one Qt sends no
// events, and only the platform can switch it) and keeps each event's object and type, and what
// it tells the user out of turn: an announcement's message, or a notification's name as it is
// shown.
struct ScreenReader
{
    struct Heard
    {
        QObject *object;
        QAccessible::Event type;
        QString told;
    };
    static inline QList<Heard> heard;

    ScreenReader() { listen(&hear, true); }
    ~ScreenReader() { listen(nullptr, false); }

    static void listen(QAccessible::UpdateHandler handler, bool on)
    {
        heard.clear();
        QAccessible::installUpdateHandler(handler);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
    }

    static void hear(QAccessibleEvent *event)
    {
        QString told;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            told = static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#endif
        if (event->type() == QAccessible::ObjectShow &&
            event->accessibleInterface()->role() == QAccessible::Notification)
            told = event->accessibleInterface()->text(QAccessible::Name);
        heard.append({event->object(), event->type(), told});
    }
};
