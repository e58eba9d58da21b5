"""Builders of the hostile PNG and JPEG files of tests/unit/broken: each returns the
broken file and its intact twin."""

import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
PNG_RGB = 2


def png_chunk(kind, payload, crc_flip=0):
    crc = zlib.crc32(kind + payload) ^ crc_flip
    return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", crc)


def png_file(width, height, ihdr_crc_flip=0):
    ihdr = struct.pack(">IIBBBBB", width, height, 8, PNG_RGB, 0, 0, 0)
    # One black pixel: filter byte 0 and three samples.
    idat = zlib.compress(b"\x00" * 4)
    return (PNG_SIGNATURE + png_chunk(b"IHDR", ihdr, ihdr_crc_flip) +
            png_chunk(b"IDAT", idat) + png_chunk(b"IEND", b""))


def png_with_text(claimed_length=None):
    """A 1 x 1 PNG with a zTXt chunk before its pixels, whose length field may claim more
    than the file holds: libpng would allocate the claimed length."""
    payload = b"Comment\x00\x00" + zlib.compress(b"a comment")
    text = png_chunk(b"zTXt", payload)
    if claimed_length is not None:
        text = struct.pack(">I", claimed_length) + text[4:]
    intact = png_file(1, 1)
    ihdr_end = len(PNG_SIGNATURE) + 8 + 13 + 4
    return intact[:ihdr_end] + text + intact[ihdr_end:]


def jpeg_segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


def jpeg_file(width, height):
    """A baseline greyscale JPEG whose every block is flat mid grey."""
    quant = jpeg_segment(0xDB, b"\x00" + b"\x01" * 64)
    frame = jpeg_segment(0xC0, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00")
    # One-code Huffman tables: DC category 0 and the AC end of block, each coded "0".
    one_code = b"\x01" + b"\x00" * 15 + b"\x00"
    dc_table = jpeg_segment(0xC4, b"\x00" + one_code)
    ac_table = jpeg_segment(0xC4, b"\x10" + one_code)
    scan = jpeg_segment(0xDA, b"\x01\x01\x00\x00\x3f\x00")
    blocks = ((width + 7) // 8) * ((height + 7) // 8)
    # Two zero bits a block, padded with ones; a huge frame gets only its first blocks.
    bits = "00" * min(blocks, 256)
    bits += "1" * (-len(bits) % 8)
    entropy = int(bits, 2).to_bytes(len(bits) // 8, "big")
    return b"\xff\xd8" + quant + frame + dc_table + ac_table + scan + entropy + b"\xff\xd9"


def progressive_cmyk_file(width, height):
    """A progressive JPEG of four full-resolution components holding only a first DC
    scan; libjpeg keeps 8 bytes of coefficients a pixel for it, whatever the data."""
    quant = jpeg_segment(0xDB, b"\x00" + b"\x01" * 64)
    components = b"".join(bytes([i, 0x11, 0]) for i in range(1, 5))
    frame = jpeg_segment(0xC2, struct.pack(">BHHB", 8, height, width, 4) + components)
    one_code = b"\x01" + b"\x00" * 15 + b"\x00"
    dc_table = jpeg_segment(0xC4, b"\x00" + one_code)
    scan = jpeg_segment(0xDA, b"\x04" + b"".join(bytes([i, 0]) for i in range(1, 5)) +
                        b"\x00\x00\x00")
    # Category 0 for the DC of each of the 16 blocks of a 16 x 16 picture.
    return b"\xff\xd8" + quant + frame + dc_table + scan + b"\x00\x00" + b"\xff\xd9"


def progressive_grey_file(ac_scans):
    """A progressive 16 x 16 greyscale JPEG: a DC scan, then the same AC scan again and
    again, each coding an end of band in every block."""
    quant = jpeg_segment(0xDB, b"\x00" + b"\x01" * 64)
    frame = jpeg_segment(0xC2, struct.pack(">BHHB", 8, 16, 16, 1) + b"\x01\x11\x00")
    one_code = b"\x01" + b"\x00" * 15 + b"\x00"
    tables = jpeg_segment(0xC4, b"\x00" + one_code) + jpeg_segment(0xC4, b"\x10" + one_code)
    # Four blocks of one "0" bit each, padded with ones.
    dc_scan = jpeg_segment(0xDA, b"\x01\x01\x00\x00\x00\x00") + b"\x0f"
    ac_scan = jpeg_segment(0xDA, b"\x01\x01\x00\x01\x3f\x00") + b"\x0f"
    return b"\xff\xd8" + quant + frame + tables + dc_scan + ac_scan * ac_scans + b"\xff\xd9"


def broken_files():
    intact_png = png_file(1, 1)
    header_end = len(PNG_SIGNATURE) + 8 + 13
    return {
        "png-truncated-header.png": (intact_png[: header_end - 5], intact_png),
        "png-giant-ihdr.png": (png_file(100000, 100000), intact_png),
        "png-too-many-pixels.png": (png_file(20000, 20000), intact_png),
        "png-zero-width.png": (png_file(0, 5), intact_png),
        "png-bad-ihdr-crc.png": (png_file(1, 1, ihdr_crc_flip=1), intact_png),
        "png-text-length-1-7-gb.png": (png_with_text(0x67000033), png_with_text()),
        "jpeg-giant-sof.jpg": (jpeg_file(60000, 60000), jpeg_file(16, 16)),
        "jpeg-only-soi.jpg": (b"\xff\xd8", jpeg_file(16, 16)),
        "jpeg-1100-scans.jpg": (progressive_grey_file(1100), progressive_grey_file(50)),
        "jpeg-progressive-coefficients-800-mb.jpg": (progressive_cmyk_file(10000, 10000),
                                                     progressive_cmyk_file(16, 16)),
        "jpeg-truncated-header.jpg": (jpeg_file(16, 16)[:100], jpeg_file(16, 16)),
    }
