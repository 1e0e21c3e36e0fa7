#pragma once

#include "ui/main_window.h"

#include <memory>

// Start-up, the one path the program, the window tests and the start-up benchmark all take:
// names the application, creates the window with the given services (applying its design runs
// no calculation), runs Form_Load and shows the window. The caller runs the event loop.
std::unique_ptr<Form1> startUp(FormServices services);
