// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers/runtime_error.h"

#include <QCoreApplication>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("RuntimeError", text);
}

} // namespace

RuntimeError::RuntimeError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{}

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(translated(QT_TRANSLATE_NOOP("RuntimeError", "Overflow")));
}

RuntimeError RuntimeError::divisionByZero()
{
    return RuntimeError(translated(QT_TRANSLATE_NOOP("RuntimeError", "Division by zero")));
}

RuntimeError RuntimeError::invalidOperation()
{
    return RuntimeError(
        translated(QT_TRANSLATE_NOOP("RuntimeError", "Invalid procedure call or argument")));
}

RuntimeError RuntimeError::cannotOpen(const QString &url)
{
    return RuntimeError(translated(QT_TRANSLATE_NOOP("RuntimeError", "Cannot open %1")).arg(url));
}
