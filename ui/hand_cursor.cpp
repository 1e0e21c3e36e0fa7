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

QCursor handCursor()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            switch (HandImage[std::size_t(y)][x]) {
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
    return QCursor(QPixmap::fromImage(image), HotSpotX, HotSpotY);
}
