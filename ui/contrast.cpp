// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace Contrast {

namespace {

constexpr double ReadableText = 4.5;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Whole 8-bit channels, as the screen shows them: a colour judged readable is the colour drawn.
QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double ratio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor linkColour(const QPalette &theme)
{
    const QColor window = theme.color(QPalette::Window);
    const QColor pureBlue(0, 0, 255);
    if (ratio(pureBlue, window) >= ReadableText)
        return pureBlue;

    // Some dark themes pick a link colour that is too faint on their own window (a common dark
    // Fusion palette gives 3.1:1); it is then blended towards the window text, just as far as
    // readability needs, so it still looks like that theme's links.
    const QColor link = theme.color(QPalette::Link);
    const QColor text = theme.color(QPalette::WindowText);
    constexpr int Steps = 50;
    for (int step = 0; step < Steps; ++step) {
        const QColor candidate = mixed(link, text, double(step) / Steps);
        if (ratio(candidate, window) >= ReadableText)
            return candidate;
    }
    return text;
}

} // namespace Contrast
