// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main_window.h"

#include <QApplication>
#include <QStringList>

#include <array>
#include <memory>

class InterfaceLanguage;

// The application the program runs on. The program reads no command line: Qt is handed the
// program's name alone, so none of Qt's own options (-reverse, -stylesheet, -qwindowtitle,
// -platform, ...) changes the window, while Qt's environment variables (QT_QPA_PLATFORM,
// QT_SCALE_FACTOR, ...) still apply. Takes main's arguments.
class Application
{
public:
    Application(int argc, char *argv[]);

private:
    // Qt keeps a reference to the count and the array: both outlive the QApplication.
    int m_argumentCount;
    std::array<char *, 2> m_arguments;
    QApplication m_application;
};

// The window as start-up made it, with the language it speaks. The language comes before the
// window and goes after it: its font and translations are taken away only once the window is
// gone, so no part of a window being destroyed is told of that change.
class StartedWindow
{
public:
    StartedWindow(const StartedWindow &) = delete;
    StartedWindow &operator=(const StartedWindow &) = delete;
    ~StartedWindow();

    Form1 *get() const { return m_window.get(); }
    Form1 *operator->() const { return m_window.get(); }
    Form1 &operator*() const { return *m_window; }

private:
    friend StartedWindow startUp(FormServices services, const QStringList &uiLanguages);
    StartedWindow(FormServices services, const QStringList &uiLanguages);

    std::unique_ptr<InterfaceLanguage> m_language;
    std::unique_ptr<Form1> m_window;
};

// Start-up, the one path the program, the window tests and the start-up benchmark all take:
// names the application, installs the translation for the first of the user's interface
// languages that has one (none for an empty list: English), creates the window with the given
// services (applying its design runs no calculation), runs Form_Load and shows the window. The
// caller runs the event loop.
StartedWindow startUp(FormServices services, const QStringList &uiLanguages = {});
