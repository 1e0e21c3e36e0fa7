// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

// Stands in for a running screen reader: turns accessibility on, which without one Qt keeps off
// and then sends no events at all (only the platform can switch it), and hears every event.
class ScreenReader
{
public:
    struct Heard
    {
        QPointer<QObject> object;
        QAccessible::Event type;
        QString text; // the new text, for the text events
    };

    ScreenReader()
    {
        heard().clear();
        QAccessible::installUpdateHandler(&ScreenReader::hear);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }

    ~ScreenReader()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        heard().clear();
    }

    static void forget() { heard().clear(); }

    static int count(QObject *object, QAccessible::Event type)
    {
        int n = 0;
        for (const Heard &event : heard())
            n += event.object == object && event.type == type;
        return n;
    }

    // What the object's text events last said its text is.
    static QString lastText(QObject *object)
    {
        QString text;
        for (const Heard &event : heard()) {
            if (event.object == object &&
                (event.type == QAccessible::TextUpdated ||
                 event.type == QAccessible::TextInserted || event.type == QAccessible::TextRemoved))
                text = event.text;
        }
        return text;
    }

    static QAccessibleInterface *read(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

private:
    static QList<Heard> &heard()
    {
        static QList<Heard> events;
        return events;
    }

    static void hear(QAccessibleEvent *event)
    {
        QString text;
        if (event->type() == QAccessible::TextUpdated)
            text = static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted();
        else if (event->type() == QAccessible::TextInserted)
            text = static_cast<QAccessibleTextInsertEvent *>(event)->textInserted();
        heard().append({event->object(), event->type(), text});
    }
};
