#!/usr/bin/env python3
"""Checks the program's icon files: sizes, colour depth, and that the window icon and the
Windows icon are the same picture.

Usage: check_icons.py ICON_FOLDER
"""

import pathlib
import sys

from images import dib_rgba, ico_images, png_header, png_rgba


def opaque_or_clear(pixel):
    return pixel if pixel[3] else (0, 0, 0, 0)


def main():
    folder = pathlib.Path(sys.argv[1])
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    window_png = (folder / "varneltosk.png").read_bytes()
    width, height, depth, colour_type = png_header(window_png)
    expect((width, height) == (32, 32), f"varneltosk.png is {width} x {height}, not 32 x 32")
    expect(
        (depth, colour_type) == (8, 3),
        f"varneltosk.png has bit depth {depth} and colour type {colour_type}, "
        "not an 8-bit palette (256-colour) image",
    )
    _, _, palette_size, window = png_rgba(window_png)
    expect(palette_size <= 256, f"varneltosk.png has {palette_size} palette entries")
    alphas = {pixel[3] for row in window for pixel in row}
    expect(
        alphas <= {0, 255},
        f"varneltosk.png has partly transparent pixels {sorted(alphas - {0, 255})}, "
        "which a 256-colour icon cannot hold",
    )

    entries = ico_images((folder / "varneltosk.ico").read_bytes())
    expect(len(entries) == 1, f"varneltosk.ico holds {len(entries)} images, not one")
    entry = entries[0]
    expect(
        (entry["width"], entry["height"]) == (32, 32),
        f"varneltosk.ico's image is {entry['width']} x {entry['height']}, not 32 x 32",
    )
    expect(
        entry["bit_count"] == 8 and entry["colour_count"] == 0,
        f"varneltosk.ico's directory gives {entry['bit_count']} bits and "
        f"{entry['colour_count']} colours, not 8 bits and 256 colours (0)",
    )
    ico_width, ico_height, _, ico_colours, ico = dib_rgba(entry["image"])
    expect((ico_width, ico_height) == (32, 32), "varneltosk.ico's bitmap is not 32 x 32")
    expect(ico_colours == 256, f"varneltosk.ico's bitmap has {ico_colours} palette entries")

    differing = [
        (x, y)
        for y, (png_row, ico_row) in enumerate(zip(window, ico))
        for x, (a, b) in enumerate(zip(png_row, ico_row))
        if opaque_or_clear(a) != opaque_or_clear(b)
    ]
    expect(
        not differing,
        f"varneltosk.png and varneltosk.ico differ in {len(differing)} pixels, "
        f"the first at {differing[:1]}",
    )
    expect(
        any(pixel[3] == 0 for row in window for pixel in row)
        and any(pixel[3] == 255 for row in window for pixel in row),
        "the 32 x 32 icon should have both opaque and transparent pixels",
    )

    large = (folder / "varneltosk-256.png").read_bytes()
    width, height, depth, _ = png_header(large)
    expect((width, height) == (256, 256), f"varneltosk-256.png is {width} x {height}")

    for failure in failures:
        print(f"FAIL: {failure}")
    if failures:
        return 1
    print("icons: 32 x 32 256-colour PNG and ICO hold the same picture; 256 x 256 PNG present")
    return 0


if __name__ == "__main__":
    sys.exit(main())
