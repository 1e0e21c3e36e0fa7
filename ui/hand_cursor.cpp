// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hand_cursor.h"

#include <QImage>
#include <QPixmap>

#include <array>

namespace {

// '#' outline, 'o' fill, '.' transparent.
constexpr std::array<const char *, 32> HandImage{
    "................................", "...........###..................",
    "..........#ooo#.................", "..........#ooo#.................",
    "..........#ooo#.................", "..........#ooo#.................",
    "..........#ooo#.................", "..........#ooo####..............",
    "..........#ooo#oo####...........", "..........#ooo#oo#oo####........",
    "..........#ooo#oo#oo#oo#........", "..........#ooo#oo#oo#oo#........",
    "..........#ooo#oo#oo#oo#........", "....######oooo#oo#oo#oo#........",
    "....#oooooooooooooooooo#........", "....#oooooooooooooooooo#........",
    ".....#ooooooooooooooooo#........", "......#oooooooooooooooo#........",
    ".......###ooooooooooooo#........", "..........#oooooooooooo#........",
    "..........#oooooooooooo#........", "..........#oooooooooooo#........",
    "..........#oooooooooooo#........", "..........#oooooooooooo#........",
    "...........#oooooooooo#.........", "...........#oooooooooo#.........",
    "...........#oooooooooo#.........", "...........############.........",
    "................................", "................................",
    "................................", "................................",
};

constexpr int HotSpotX = 12;
constexpr int HotSpotY = 1;

} // namespace

QCursor handCursor(qreal devicePixelRatio)
{
    // The drawing is never smoothed: each of its pixels becomes a square of `scale` pixels.
    const int scale = devicePixelRatio >= 1.5 ? 2 : 1;
    QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            switch (HandImage[std::size_t(y / scale)][x / scale]) {
            case '#':
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
                break;
            case 'o':
                image.setPixel(x, y, qRgba(255, 255, 255, 255));
                break;
            default:
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                break;
            }
        }
    }
    return QCursor(QPixmap::fromImage(image), HotSpotX * scale, HotSpotY * scale);
}
