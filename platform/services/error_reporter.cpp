#include "platform/services/error_reporter.h"

#include "platform/numbers/runtime_error.h"

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
        message = QStringLiteral("Unknown error");
    }

    try {
        m_messages.MsgBox(QStringLiteral("Run-time error: %1").arg(message), MessageBoxes::OkOnly);
    } catch (...) {
        // Showing the box failed too; the log is all that is left.
        qWarning("Run-time error: %s", qUtf8Printable(message));
    }
}
