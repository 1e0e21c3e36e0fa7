// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the Windows shell in the launcher's test. Built as "explorer.exe" into the test's
// own folder, which Windows searches first, it appends the whole command line it was started
// with, exactly as Windows passed it, as one UTF-8 line to the file that RECORDED_COMMAND_LINES
// names.

#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    const wchar_t *file = _wgetenv(L"RECORDED_COMMAND_LINES");
    if (file == nullptr)
        return 2;
    const wchar_t *commandLine = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, line.data(), size, nullptr, nullptr);
    line.back() = '\n'; // in place of the terminating NUL
    FILE *out = _wfopen(file, L"ab");
    if (out == nullptr)
        return 1;
    const bool written = std::fwrite(line.data(), 1, line.size(), out) == line.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
