// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QTimer>

namespace {

QAccessibleInterface *accessibleAnnouncer(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()) && object)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    // The announcer's notice is a plain widget; its accessible name is the text to tell.
    if (className == QLatin1String(QWidget::staticMetaObject.className()) && object &&
        qobject_cast<Announcer *>(object->parent()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
    , m_notice(new QWidget(this))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleAnnouncer);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->hide();
}

void Announcer::announce(const QString &text)
{
    m_notice->hide();
    m_notice->setAccessibleName(text);
    m_notice->show();
}

void Announcer::tellKeyboardChoices(QComboBox *list)
{
    m_list = list;
    list->installEventFilter(this);
    connect(list, &QComboBox::activated, this, [this] {
        if (m_listHandlesKey)
            announce(m_list->currentText());
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
    return QWidget::eventFilter(watched, event);
}
