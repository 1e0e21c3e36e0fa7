#pragma once

#include <QCursor>

// The pointing hand shown over the link labels: 32 x 32, hot spot at the fingertip.
QCursor handCursor();
