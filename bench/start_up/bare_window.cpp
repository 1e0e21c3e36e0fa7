// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program can show: one empty window, linked against the same static Qt
// as the program, for comparing the program's start-up with Qt's own.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(420, 300);
    window.show();
    return app.exec();
}
