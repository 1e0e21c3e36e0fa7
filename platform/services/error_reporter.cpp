// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services/error_reporter.h"

#include "platform/numbers/runtime_error.h"

#include <QCoreApplication>
#include <QDebug>

void ErrorReporter::report(std::exception_ptr error) noexcept
{
    QString message;
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError &e) {
        message = e.message();
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QCoreApplication::translate("ErrorReporter", "Unknown error");
    }

    const QString text =
        QCoreApplication::translate("ErrorReporter", "Run-time error: %1").arg(message);
    try {
        m_messages.MsgBox(text, MessageBoxes::OkOnly);
    } catch (...) {
        // Showing the box failed too; the log is all that is left.
        qWarning("%s", qUtf8Printable(text));
    }
}
