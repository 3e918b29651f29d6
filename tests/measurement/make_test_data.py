#!/usr/bin/env python3
"""Writes the hand-made measurement files under data/ (the device samples
there are real files and are not touched). Run it again after changing a file
here; the outputs are committed."""
import struct
from pathlib import Path

DATA = Path(__file__).resolve().parent / "data"


def crlf(*lines):
    return "".join(line + "\r\n" for line in lines)


def bmp24(width, height, pixel_bytes):
    """A bottom-up 24-bit BMP file with the given pixel rows (already padded)."""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixel_bytes),
                       2835, 2835, 0, 0)
    size = 14 + len(info) + len(pixel_bytes)
    return struct.pack("<2sIHHI", b"BM", size, 0, 0, 54) + info + pixel_bytes


def rows(width, height, fill):
    row = (width * 3 + 3) // 4 * 4
    return bytes((fill + i) % 256 for i in range(row * height))


WORKED_EXAMPLE = crlf(
    "<MEAS>", "0\t12,84\t-2,50", "1\t13,10\t-2,50", "1\t13,12\t-2,50", "2\t12,70\t5,00",
    "3\t12,41\t5,00", "<MDT>\t14.05. 09:30", "<MVN>\tOperator", "<MEGJ>",
    "first line of the comment", "second line", "<\\MEGJ>", "<MI>\t60s", "<NK>\t60",
    "<MSZ>\t80%", "<P1>\t43200", "<MK>\t93", "<MIN>\tPASS", "<EOF>")

HUNGARIAN = crlf(
    "<MEAS>", "0\t12,50\t-1,00", "1\t12,60\t1,00", "<MVN>\tKovács Ödön",
    "<MEGJ>", "Árvíztűrő tükörfúrógép", "<\\MEGJ>", "<MH>\tGyőr", "<EOF>")

TEXT_PART = crlf(
    "<MEAS>", "0\t12,50\t-1,00", "1\t12,60\t1,00", "2\t12,70\t1,00", "<MVN>\tPicture test",
    "<MI>\t60", "<Kep>")


def write(name, data):
    (DATA / name).write_bytes(data)


def main():
    write("empty.VRN", b"")
    write("worked_example.VRN", WORKED_EXAMPLE.encode("cp1250"))
    write("dot_decimal.VRN", WORKED_EXAMPLE.replace("12,70", "12.70").encode("cp1250"))
    write("ansi_cp1250.VRN", HUNGARIAN.encode("cp1250"))
    write("utf8_bom.VRN", b"\xef\xbb\xbf" + HUNGARIAN.encode("utf-8"))
    write("utf16_bom.VRN", HUNGARIAN.encode("utf-16"))  # little-endian with its mark
    write("utf16be_bom.VRN", b"\xfe\xff" + HUNGARIAN.encode("utf-16-be"))
    write("mixed_line_ends.VRN",
          b"<MEAS>\r0\t12,50\t-1,00\n1\t12,60\t1,00\r\n2\t12,70\t1,00\r<MK>\t77\n<MI>\t30")
    write("nul_stops_text.VRN", crlf("<MEAS>", "0\t1,00\t1,00", "1\t2,00\t2,00").encode()
          + b"\x00" + crlf("2\t3,00\t3,00", "<MK>\t5").encode())

    # A 4 x 3 picture whose pixel bytes contain "<EOF>": the last "<EOF>" ends it.
    stray = bytearray(rows(4, 3, 7))
    stray[14:19] = b"<EOF>"
    write("picture_with_stray_eof.VRN",
          TEXT_PART.encode() + bmp24(4, 3, bytes(stray)) + b"<EOF>\r\n")
    # The header promises 40 rows, 10 are there.
    full = bmp24(16, 40, rows(16, 40, 1))
    truncated = full[:54 + 48 * 10]
    truncated = truncated[:2] + struct.pack("<I", len(truncated)) + truncated[6:]
    write("truncated_bmp.VRN", TEXT_PART.encode() + truncated + b"<EOF>\r\n")
    # A 30000 x 30000 picture claimed by a 100-byte file.
    forged = bmp24(30000, 30000, rows(4, 3, 0))
    write("forged_bmp_size.VRN", TEXT_PART.encode() + forged + b"<EOF>\r\n")
    write("picture_without_eof.VRN", TEXT_PART.encode() + bmp24(4, 3, rows(4, 3, 9)))
    write("result_after_picture.VRN", TEXT_PART.encode() + bmp24(4, 3, rows(4, 3, 9))
          + crlf("<EOF>", "<Result>", "<EOF>").encode())


if __name__ == "__main__":
    main()
