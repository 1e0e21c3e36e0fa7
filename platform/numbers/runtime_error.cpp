#include "platform/numbers/runtime_error.h"

RuntimeError::RuntimeError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{}

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(QStringLiteral("Overflow"));
}

RuntimeError RuntimeError::divisionByZero()
{
    return RuntimeError(QStringLiteral("Division by zero"));
}

RuntimeError RuntimeError::invalidOperation()
{
    return RuntimeError(QStringLiteral("Invalid procedure call or argument"));
}
