// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services/message_boxes.h"

#include <QString>

#include <exception>

// The one place where errors raised by a handler are caught: no exception may cross into Qt's
// event loop. The error is shown in a message box and the program goes on.
class ErrorReporter
{
public:
    explicit ErrorReporter(MessageBoxes &messages)
        : m_messages(messages)
    {}

    template <typename Handler> void run(Handler &&handler) noexcept
    {
        try {
            handler();
        } catch (...) {
            report(std::current_exception());
        }
    }

private:
    void report(std::exception_ptr error) noexcept;

    MessageBoxes &m_messages;
};
