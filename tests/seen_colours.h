// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/contrast.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <utility>

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
            if (Contrast::ratio(QColor(image.pixel(x, y)), QColor(background)) >
                Contrast::ratio(QColor(text), QColor(background)))
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
