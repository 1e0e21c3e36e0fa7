// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QTimer>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

namespace {

const QString StatusBarName = QStringLiteral("Announcer");

// The status bar and its notice are plain widgets; the notice's accessible name is the text to
// tell.
QAccessibleInterface *accessibleAnnouncer(const QString &className, QObject *object)
{
    if (className != QLatin1String(QWidget::staticMetaObject.className()) || !object)
        return nullptr;
    if (object->objectName() == StatusBarName)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    if (object->parent() && object->parent()->objectName() == StatusBarName)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

#endif

Announcer::Announcer(QWidget *window)
    : QObject(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleAnnouncer);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    auto *statusBar = new QWidget(window);
    statusBar->setObjectName(StatusBarName);
    statusBar->setFocusPolicy(Qt::NoFocus);
    statusBar->setGeometry(0, 0, 0, 0);
    m_notice = new QWidget(statusBar);
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->hide();
#endif
}

// From Qt 6.8 an announcement goes to screen readers for the control, and Orca 48 (Debian 13)
// speaks it as it comes. Qt before 6.8 (6.4 on Debian 12) has no
// announcement to send: there a status bar of no size holds a notice, a child of no size, shown
// with the text each time. Orca 43 speaks a notification as it is shown, and one inside a status
// bar without naming its role; it does not speak a changed description instead, as Qt 6.4 sends
// that change without the new text.
void Announcer::announce(QWidget *control, const QString &text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(control, text);
    QAccessible::updateAccessibility(&announcement);
#else
    Q_UNUSED(control);
    m_notice->hide();
    m_notice->setAccessibleName(text);
    m_notice->show();
#endif
}

void Announcer::tellKeyboardChoices(QComboBox *list)
{
    m_list = list;
    list->installEventFilter(this);
    connect(list, &QComboBox::activated, this, [this] {
        if (m_listHandlesKey)
            announce(m_list, m_list->currentText());
    });
}

// The closed list picks an entry while it handles the key press, before control comes back to
// the event loop.
bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        m_listHandlesKey = true;
        QTimer::singleShot(0, this, [this] { m_listHandlesKey = false; });
    }
    return QObject::eventFilter(watched, event);
}
