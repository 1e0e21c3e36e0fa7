// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that looks and acts like a web link: underlined, in a link colour readable on the
// window's background, a pointing hand over it, and a left click anywhere on it (pressed and
// released on the label) emits clicked(). It takes no keyboard focus; screen readers see it as
// a link named by its caption, whose press action clicks it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    // Emits clicked(), as a click with the mouse does.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyLinkColour();
    void applyCursor();

    bool m_pressed = false;
    bool m_followsScreen = false;
};
