// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services/launcher.h"

#include <QString>

// Opens the address in the default browser: through the Windows shell on Windows, through the
// desktop's URL handler elsewhere.
class DesktopLauncher : public Launcher
{
public:
#ifdef Q_OS_WIN
    // shell: the program started with the address, the Windows shell unless a test names another.
    explicit DesktopLauncher(QString shell = QStringLiteral("explorer.exe"));
#endif

    void launch(const QString &url) override;

#ifdef Q_OS_WIN
private:
    QString m_shell;
#endif
};
