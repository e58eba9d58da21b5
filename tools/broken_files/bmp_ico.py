"""Builders of the hostile BMP and icon files of tests/unit/broken: each returns the
broken file and its intact twin."""

import struct

from png_jpeg import PNG_SIGNATURE, png_chunk

INT32_MAX = 2**31 - 1
INT32_MIN = -(2**31)


def bmp_info_header(width, height, bits=24, planes=1, compression=0, size=40):
    header = struct.pack("<IiiHHIIiiII", size, width, height, planes, bits, compression,
                         0, 0, 0, 0, 0)
    return header + b"\x00" * (size - len(header))


def bmp_file(dib, pixels, pixel_offset=None):
    if pixel_offset is None:
        pixel_offset = 14 + len(dib)
    file_header = b"BM" + struct.pack("<III", 14 + len(dib) + len(pixels), 0, pixel_offset)
    return file_header + dib + pixels


def bmp_picture(width, height, bits=24, planes=1, compression=0, size=40, pixels=None,
                pixel_offset=None, table=b""):
    """A file whose pixel data fits a 2 x 2 picture unless pixels says otherwise."""
    if pixels is None:
        pixels = b"\x40" * 16
    dib = bmp_info_header(width, height, bits, planes, compression, size) + table
    return bmp_file(dib, pixels, pixel_offset)


def icon_bmp_image(width=2, height=2, bits=24, compression=0, size=40, colour_rows=None):
    """An icon's BMP image: a header of twice the height, colour rows, AND mask rows."""
    if colour_rows is None:
        colour_rows = b"\x80" * (((width * bits + 31) // 32) * 4 * height)
    mask_rows = b"\x00" * (4 * height)
    header = bmp_info_header(width, 2 * height, bits, 1, compression, size)
    return header + colour_rows + mask_rows


def png_image(width, height):
    """A PNG that ends after its header chunk: no pixel data, no end chunk."""
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return PNG_SIGNATURE + png_chunk(b"IHDR", ihdr)


def ico_file(images, count=None, offsets=None, sizes=None):
    count = len(images) if count is None else count
    directory_end = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, count)
    at = directory_end
    for i, image in enumerate(images):
        offset = at if offsets is None or offsets[i] is None else offsets[i]
        size = len(image) if sizes is None or sizes[i] is None else sizes[i]
        out += struct.pack("<BBBBHHII", 2, 2, 0, 0, 1, 24, size, offset)
        at += len(image)
    return out + b"".join(images)


def with_colours_used(image, count):
    return image[:32] + struct.pack("<I", count) + image[36:]


def broken_files():
    good_bmp = bmp_picture(2, 2)
    # A full 256-colour table, then the colour rows of a 2 x 2 picture.
    icon_8_bit = icon_bmp_image(bits=8, colour_rows=b"\x00" * 1032)
    good_icon = icon_bmp_image()
    good_ico = ico_file([good_icon])
    return {
        "empty-file.bin": (b"", good_bmp),
        "bmp-signature-only.bmp": (b"BM", good_bmp),
        "bmp-header-cut.bmp": (good_bmp[:30], good_bmp),
        "bmp-truncated-pixels.bmp": (good_bmp[:-1], good_bmp),
        "bmp-top-down-truncated.bmp": (bmp_picture(2, -2, pixels=b"\x40" * 15),
                                       bmp_picture(2, -2)),
        "bmp-8-bit-no-pixels.bmp": (bmp_picture(2, 2, bits=8, pixels=b"",
                                                table=b"\x10" * 1024),
                                    bmp_picture(2, 2, bits=8, pixels=b"\x00" * 8,
                                                table=b"\x10" * 1024)),
        "bmp-core-header-truncated.bmp": (
            bmp_file(struct.pack("<IHHHH", 12, 2, 2, 1, 24), b"\x40" * 15),
            bmp_file(struct.pack("<IHHHH", 12, 2, 2, 1, 24), b"\x40" * 16)),
        "bmp-width-zero.bmp": (bmp_picture(0, 2), good_bmp),
        "bmp-height-zero.bmp": (bmp_picture(2, 0), good_bmp),
        "bmp-width-negative.bmp": (bmp_picture(-2, 2), good_bmp),
        "bmp-giant-100000.bmp": (bmp_picture(100000, 100000), good_bmp),
        "bmp-giant-int32-max.bmp": (bmp_picture(INT32_MAX, INT32_MAX), good_bmp),
        "bmp-height-int32-min.bmp": (bmp_picture(2, INT32_MIN), good_bmp),
        "bmp-over-pixel-limit.bmp": (bmp_picture(65535, 65535), good_bmp),
        # 2^27 pixels of 32 bits make a row of 2^32 bytes: zero in 32-bit arithmetic.
        "bmp-stride-overflow.bmp": (bmp_picture(2**27, 1, bits=32), good_bmp),
        "bmp-offset-past-end.bmp": (bmp_picture(2, 2, pixel_offset=0xFFFFFFF0), good_bmp),
        "bmp-offset-inside-header.bmp": (bmp_picture(2, 2, pixel_offset=20), good_bmp),
        "bmp-planes-0.bmp": (bmp_picture(2, 2, planes=0), good_bmp),
        "bmp-planes-2.bmp": (bmp_picture(2, 2, planes=2), good_bmp),
        "bmp-bits-0.bmp": (bmp_picture(2, 2, bits=0), good_bmp),
        "bmp-bits-2.bmp": (bmp_picture(2, 2, bits=2), good_bmp),
        "bmp-bits-64.bmp": (bmp_picture(2, 2, bits=64, pixels=b"\x40" * 32), good_bmp),
        "bmp-compression-jpeg.bmp": (bmp_picture(2, 2, compression=4), good_bmp),
        "bmp-compression-unknown.bmp": (bmp_picture(2, 2, compression=0x1234), good_bmp),
        "bmp-rle8-at-24-bits.bmp": (bmp_picture(2, 2, compression=1), good_bmp),
        "bmp-rle4-at-8-bits.bmp": (bmp_picture(2, 2, bits=8, compression=2,
                                               table=b"\x10" * 1024),
                                   bmp_picture(2, 2, bits=8, compression=1,
                                               table=b"\x10" * 1024)),
        "bmp-bit-fields-at-24-bits.bmp": (bmp_picture(2, 2, compression=3,
                                                      table=b"\xff" * 12), good_bmp),
        "bmp-bit-fields-masks-missing.bmp": (
            bmp_picture(2, 2, bits=16, compression=3, pixels=b""),
            bmp_picture(2, 2, bits=16, compression=3, table=b"\xff" * 12,
                        pixels=b"\x40" * 8)),
        "bmp-header-size-20.bmp": (bmp_picture(2, 2, size=20), good_bmp),
        "bmp-header-size-huge.bmp": (good_bmp[:14] + b"\xf0\xff\xff\xff" + good_bmp[18:],
                                     good_bmp),
        "ico-count-zero.ico": (ico_file([good_icon], count=0), good_ico),
        "ico-directory-truncated.ico": (ico_file([good_icon], count=200), good_ico),
        "ico-entry-offset-past-end.ico": (ico_file([good_icon], offsets=[0xFFFFFF00]),
                                          good_ico),
        "ico-entry-size-past-end.ico": (ico_file([good_icon], sizes=[0xFFFFFFF0]), good_ico),
        "ico-entry-points-at-itself.ico": (ico_file([good_icon], offsets=[6]), good_ico),
        "ico-entry-points-at-directory.ico": (ico_file([good_icon], offsets=[0]), good_ico),
        "ico-colour-rows-truncated.ico": (ico_file([icon_bmp_image()[:40 + 15]]), good_ico),
        "ico-image-rle8.ico": (ico_file([icon_bmp_image(bits=8, compression=1,
                                                         colour_rows=b"\x00" * 1024)]),
                               ico_file([icon_bmp_image(bits=8,
                                                        colour_rows=b"\x00" * 1032)])),
        "ico-image-height-one.ico": (ico_file([bmp_info_header(2, 1) + b"\x80" * 16]),
                                     good_ico),
        "ico-image-giant.ico": (ico_file([icon_bmp_image(100000, 2, colour_rows=b"")]),
                                good_ico),
        "ico-image-bad-header.ico": (ico_file([b"\x07\x00\x00\x00" + good_icon[4:]]),
                                     good_ico),
        "ico-png-without-pixels.ico": (ico_file([png_image(2, 2)]), good_ico),
        # Only the first 256 entries are looked at; here they all point past the end.
        "ico-good-image-after-256-entries.ico": (
            ico_file([good_icon] * 300, offsets=[0xFFFFFF00] * 256 + [None] * 44),
            ico_file([good_icon] * 300, offsets=[0xFFFFFF00] * 255 + [None] * 45)),
        # A colour count whose table, at 4 bytes a colour, wraps 32-bit arithmetic.
        "ico-colour-count-huge.ico": (ico_file([with_colours_used(icon_8_bit, 0x40000000)]),
                                      ico_file([icon_8_bit])),
    }
