// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

// The one error type a handler may raise: an arithmetic fault of the calculation or a failed
// operation of the platform (such as a browser that cannot be started). It carries a message
// written for the user, in the user's language; the window reports it and the program goes on.
// Every run-time error text of the program is written here.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const QString &message);

    static RuntimeError overflow();
    static RuntimeError divisionByZero();
    static RuntimeError invalidOperation();
    // The browser, or the program that starts it, could not be started for this address.
    static RuntimeError cannotOpen(const QString &url);

    QString message() const { return m_message; }

private:
    QString m_message;
};
