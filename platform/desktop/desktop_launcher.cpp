// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/desktop_launcher.h"

#include "platform/numbers/runtime_error.h"

#ifdef Q_OS_WIN
#include <QProcess>
#include <qt_windows.h>

#include <string>
#include <utility>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

#ifdef Q_OS_WIN

DesktopLauncher::DesktopLauncher(QString shell)
    : m_shell(std::move(shell))
{}

// The Windows shell opens the address in the default browser: "explorer.exe", one space and the
// address as it stands, unquoted, started minimised with focus and left to run on its own.
void DesktopLauncher::launch(const QString &url)
{
    // QProcess would put two spaces between the program and native arguments, so the whole
    // command line is handed to CreateProcess here. CreateProcess may write into it.
    std::wstring commandLine = (m_shell + u' ' + url).toStdWString();
    QProcess process;
    process.setProgram(m_shell);
    process.setCreateProcessArgumentsModifier(
        [&commandLine](QProcess::CreateProcessArguments *args) {
            args->arguments = commandLine.data();
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
        });
    if (!process.startDetached())
        throw RuntimeError::cannotOpen(url);
}

#else

void DesktopLauncher::launch(const QString &url)
{
    if (!QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode)))
        throw RuntimeError::cannotOpen(url);
}

#endif
