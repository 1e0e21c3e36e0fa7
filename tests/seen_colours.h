// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

// WCAG 2 contrast ratio, written out from its definition.
inline double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb pixel) {
        const auto linear = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
               0.0722 * linear(qBlue(pixel));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The background and text colours of a place in a picture, as the user sees them: the pixel in
// its top right corner, away from the text, and the pixel that stands out most from it (a
// stroke's core, free of anti-aliasing).
inline std::pair<QRgb, QRgb> seenColours(const QImage &picture, const QRect &place)
{
    const QImage image = picture.copy(place);
    const QRgb background = image.pixel(image.width() - 1, 0);
    QRgb text = background;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (contrast(image.pixel(x, y), background) > contrast(text, background))
                text = image.pixel(x, y);
        }
    }
    return {background, text};
}

// The same for a control, inside its frame of the given width, as its window draws it.
inline std::pair<QRgb, QRgb> seenColours(QWidget *control, int frame)
{
    const QRect place = QRect(control->mapTo(control->window(), QPoint()), control->size())
                            .adjusted(frame, frame, -frame, -frame);
    const QImage image = control->window()->grab(place).toImage();
    return seenColours(image, image.rect());
}
