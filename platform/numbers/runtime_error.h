#pragma once

#include <QString>

#include <stdexcept>

// The one error type a handler may raise: an arithmetic fault of the calculation or a failed
// operation of the platform (such as a browser that cannot be started). It carries a message
// written for the user; the window reports it and the program goes on.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const QString &message);

    static RuntimeError overflow();
    static RuntimeError divisionByZero();
    static RuntimeError invalidOperation();

    QString message() const { return m_message; }

private:
    QString m_message;
};
