"""Readers for the PNG and ICO files of the program's icon, with Python's standard library only."""

import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
SAMPLES_PER_PIXEL = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


class ImageError(Exception):
    pass


def png_chunks(data):
    if not data.startswith(PNG_SIGNATURE):
        raise ImageError("not a PNG file")
    at = len(PNG_SIGNATURE)
    while at < len(data):
        (length,) = struct.unpack_from(">I", data, at)
        kind = data[at + 4 : at + 8]
        body = data[at + 8 : at + 8 + length]
        (crc,) = struct.unpack_from(">I", data, at + 8 + length)
        if zlib.crc32(kind + body) != crc:
            raise ImageError(f"PNG chunk {kind!r} has a bad checksum")
        yield kind, body
        at += 12 + length


def png_header(data):
    """(width, height, bit depth, colour type) from a PNG's IHDR chunk."""
    for kind, body in png_chunks(data):
        if kind != b"IHDR":
            raise ImageError("PNG does not start with IHDR")
        width, height, depth, colour_type = struct.unpack_from(">IIBB", body)
        return width, height, depth, colour_type
    raise ImageError("PNG has no chunks")


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def png_rgba(data):
    """Decodes an 8-bit, non-interlaced PNG into (width, height, palette size, rows of RGBA)."""
    header = None
    palette = []
    alphas = b""
    idat = b""
    for kind, body in png_chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = [tuple(body[i : i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"tRNS":
            alphas = body
        elif kind == b"IDAT":
            idat += body
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or interlace != 0:
        raise ImageError("only 8-bit, non-interlaced PNG files are read here")
    channels = SAMPLES_PER_PIXEL[colour_type]
    stride = width * channels
    raw = zlib.decompress(idat)
    rows = []
    prior = bytearray(stride)
    for y in range(height):
        at = y * (stride + 1)
        kind = raw[at]
        row = bytearray(raw[at + 1 : at + 1 + stride])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = prior[i]
            upper_left = prior[i - channels] if i >= channels else 0
            predictor = (0, left, up, (left + up) // 2, _paeth(left, up, upper_left))[kind]
            row[i] = (row[i] + predictor) & 0xFF
        rows.append(row)
        prior = row
    image = []
    for row in rows:
        pixels = []
        for x in range(width):
            sample = row[x * channels : (x + 1) * channels]
            if colour_type == 3:
                index = sample[0]
                alpha = alphas[index] if index < len(alphas) else 255
                pixels.append(palette[index] + (alpha,))
            elif colour_type == 6:
                pixels.append(tuple(sample))
            elif colour_type == 2:
                pixels.append(tuple(sample) + (255,))
            else:
                raise ImageError("grey PNG files are not read here")
        image.append(pixels)
    return width, height, len(palette), image


def ico_images(data):
    """The directory entries of an ICO file: dicts with the entry's fields and the image bytes."""
    reserved, kind, count = struct.unpack_from("<HHH", data)
    if reserved != 0 or kind != 1:
        raise ImageError("not an icon file")
    entries = []
    for i in range(count):
        width, height, colours, _, planes, bits, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i
        )
        entries.append(
            {
                "width": width or 256,
                "height": height or 256,
                "colour_count": colours,
                "planes": planes,
                "bit_count": bits,
                "image": data[offset : offset + size],
            }
        )
    return entries


def dib_rgba(image):
    """Decodes an 8-bit icon image (BITMAPINFOHEADER, palette, XOR bitmap, AND mask) to RGBA rows.

    Returns (width, height, bit count, palette size, rows); a pixel set in the AND mask is
    transparent and comes back as (0, 0, 0, 0).
    """
    (header_size, width, double_height, planes, bits, compression, _, _, _, used, _) = (
        struct.unpack_from("<IiiHHIIiiII", image)
    )
    if header_size != 40 or compression != 0:
        raise ImageError("icon image is not an uncompressed BITMAPINFOHEADER bitmap")
    if bits != 8:
        raise ImageError(f"icon image has {bits} bits per pixel, not 8")
    height = double_height // 2
    colours = used or 256
    palette = []
    for i in range(colours):
        b, g, r, _ = image[header_size + 4 * i : header_size + 4 * i + 4]
        palette.append((r, g, b))
    at = header_size + 4 * colours
    xor_stride = (width + 3) // 4 * 4
    and_stride = ((width + 31) // 32) * 4
    xor = image[at : at + xor_stride * height]
    mask = image[at + xor_stride * height : at + xor_stride * height + and_stride * height]
    if len(mask) != and_stride * height:
        raise ImageError("icon image is cut short")
    rows = []
    for y in range(height):
        source = height - 1 - y
        pixels = []
        for x in range(width):
            clear = mask[source * and_stride + x // 8] >> (7 - x % 8) & 1
            if clear:
                pixels.append((0, 0, 0, 0))
            else:
                pixels.append(palette[xor[source * xor_stride + x]] + (255,))
        rows.append(pixels)
    return width, height, bits, colours, rows
