// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes.h"
#include "modal_watchdog.h"
#include "ui/startup.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

// Replaces the whole text of a line edit by pasting over a selection, as Ctrl+V does.
inline void pasteInto(QLineEdit *edit, const QString &text)
{
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->selectAll();
    QTest::keySequence(edit, QKeySequence::Paste);
}

// The window as the program starts it, with recording services instead of real message boxes
// and browser launches, under the given number settings and interface languages (US English
// unless a test says).
struct WindowUnderTest
{
    explicit WindowUnderTest(const QLocale &locale = QLocale(QLocale::English,
                                                             QLocale::UnitedStates),
                             const QStringList &uiLanguages = {})
        : owned(startUp({messages, launcher, locale}, uiLanguages))
    {}

    template <typename T> T *child(const QString &name) const
    {
        T *widget = form.findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    QLineEdit *field(const QString &name) const { return child<QLineEdit>(name); }

    bool isMarked(const QString &name) const
    {
        return field(name)->palette().color(QPalette::Base) == QColor(255, 255, 0);
    }

    // Selects the whole text of a field and types the new one over it, key by key.
    void typeOver(const QString &name, const QString &text) const
    {
        QLineEdit *edit = field(name);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void paste(const QString &name, const QString &text) const { pasteInto(field(name), text); }

    ModalWatchdog watchdog;
    RecordingMessageBoxes messages;
    RecordingLauncher launcher;
    StartedWindow owned;
    Form1 &form = *owned;
};
