#!/usr/bin/env python3
"""Writes the pictures of the sample forms into their .frx files, as the designer stores them:
each a record of its size, "lt" and two zero bytes, the image's size and the image (BMP, ICO,
GIF or a metafile), and the texts some of them keep there. Run it from anywhere; it rewrites
tabs.frx, thirdparty.frx, editor.frx, backup.frx, booking.frx, ledger.frx, contacts.frx and
profile.frx beside itself, the fuzz targets' seed of both kinds of metafile
(fuzz/regressions/metafiles.frx) and the pictures' target's seeds (fuzz/pictures/). The images
are drawn here from simple shapes, so the files are the same every
time."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


class Canvas:
    def __init__(self, w, h, fill=(255, 255, 255)):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]
        self.opaque = [[True] * w for _ in range(h)]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = colour
                self.opaque[y][x] = True

    def disc(self, cx, cy, r, colour, ring=None):
        for y in range(self.h):
            for x in range(self.w):
                d = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
                if d <= r * r and (ring is None or d >= ring * ring):
                    self.px[y][x] = colour
                    self.opaque[y][x] = True

    def clear(self):
        self.opaque = [[False] * self.w for _ in range(self.h)]


def bmp_dib(c, bits=24):
    """The info header and pixels of a bottom-up 24-bit bitmap."""
    stride = (c.w * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(c.h)):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in c.px[y])
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return header + rows


def bmp(c):
    dib = bmp_dib(c)
    return b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 54) + dib


def ico(*canvases, kind=1):
    """An icon (kind 1) or cursor (2) of 32-bit images with their masks."""
    images = []
    for c in canvases:
        xor = b""
        for y in reversed(range(c.h)):
            xor += b"".join(bytes((b, g, r, 255 if c.opaque[y][x] else 0))
                            for x, (r, g, b) in enumerate(c.px[y]))
        mask_stride = ((c.w + 31) // 32) * 4
        mask = b""
        for y in reversed(range(c.h)):
            row = bytearray(mask_stride)
            for x in range(c.w):
                if not c.opaque[y][x]:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(row)
        header = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, len(xor) + len(mask),
                             0, 0, 0, 0)
        images.append((c, header + xor + mask))
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for c, data in images:
        hot = (1, 1) if kind == 2 else (1, 32)
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, hot[0], hot[1], len(data),
                           offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def gif(c):
    """A GIF of up to 256 colours, each pixel its own code after a clear code."""
    palette = []
    for row in c.px:
        for colour in row:
            if colour not in palette:
                palette.append(colour)
    assert len(palette) <= 256
    size = 1
    while (1 << (size + 1)) < len(palette):
        size += 1
    table = palette + [(0, 0, 0)] * ((1 << (size + 1)) - len(palette))
    code_size = max(2, size + 1)
    clear, end = 1 << code_size, (1 << code_size) + 1
    width = code_size + 1
    out = b"GIF89a" + struct.pack("<HHBBB", c.w, c.h, 0x80 | (7 << 4) | size, 0, 0)
    out += b"".join(bytes(t) for t in table)
    out += b"," + struct.pack("<HHHHB", 0, 0, c.w, c.h, 0) + bytes([code_size])
    acc, bits, data = 0, 0, bytearray()
    codes = []
    for row in c.px:
        for colour in row:
            codes += [clear, palette.index(colour)]
    codes.append(end)
    for code in codes:
        acc |= code << bits
        bits += width
        while bits >= 8:
            data.append(acc & 0xFF)
            acc >>= 8
            bits -= 8
    if bits:
        data.append(acc & 0xFF)
    for at in range(0, len(data), 255):
        block = bytes(data[at:at + 255])
        out += bytes([len(block)]) + block
    return out + b"\0;"


def wmf(w, h, records):
    """A placeable metafile of w x h twips with its records (each a bytes object)."""
    head = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, w, h, 1440, 0)
    checksum = 0
    for i in range(0, len(head), 2):
        checksum ^= struct.unpack_from("<H", head, i)[0]
    head += struct.pack("<H", checksum)
    body = b"".join(records) + struct.pack("<IH", 3, 0)
    words = 9 + len(body) // 2
    biggest = max(len(r) // 2 for r in records)
    return head + struct.pack("<HHHIHIH", 1, 9, 0x0300, words, 8, biggest, 0) + body


def rec(function, *words):
    return struct.pack("<IH", 3 + len(words), function) + struct.pack("<%dh" % len(words), *words)


def colour(r, g, b):
    ref = r | g << 8 | b << 16
    return (ref & 0xFFFF) - (0x10000 if ref & 0x8000 else 0), ref >> 16


def map_picture():
    """A little street map: sea, a coast, a river, a road, the office marked and named."""
    def pen(style, width, rgb):
        return rec(0x02FA, style, width, 0, *colour(*rgb))

    def brush(rgb):
        return rec(0x02FC, 0, *colour(*rgb), 0)

    def select(i):
        return rec(0x012D, i)

    def delete(i):
        return rec(0x01F0, i)

    def points(function, pts):
        flat = [v for p in pts for v in p]
        return rec(function, len(pts), *flat)

    name = b"Office"
    face = b"Arial".ljust(32, b"\0")
    font = struct.pack("<IHhhhhhBBBBBBBB", 3 + 9 + 16, 0x02FB, -110, 0, 0, 0, 700,
                       0, 0, 0, 0, 0, 0, 0, 0) + face
    return wmf(1440, 720, [
        rec(0x020B, 0, 0), rec(0x020C, 720, 1440),                   # the window: the frame
        pen(5, 0, (0, 0, 0)), select(0),                             # no outline
        brush((170, 210, 240)), select(1), rec(0x041B, 720, 1440, 0, 0),  # the sea
        delete(1), brush((190, 220, 150)), select(1),
        pen(0, 0, (90, 130, 70)), select(2),
        points(0x0324, [(0, 0), (1440, 0), (1440, 470), (1100, 560), (760, 500), (420, 610),
                        (0, 540)]),                                   # the land
        pen(0, 30, (70, 120, 210)), select(3),
        points(0x0325, [(300, 0), (340, 160), (280, 330), (360, 470), (420, 600)]),  # a river
        pen(1, 0, (120, 120, 120)), select(4),
        rec(0x0214, 250, 0), rec(0x0213, 250, 1440),                 # a road, dashed
        brush((210, 40, 40)), select(5), select(2),
        rec(0x0418, 290, 780, 210, 700),                             # the office
        font, select(6), rec(0x0209, *colour(20, 20, 20)), rec(0x0102, 1),
        rec(0x0521, len(name), *struct.unpack("<%dh" % (len(name) // 2), name), 195, 800),
    ])


def emf_rec(kind, *values):
    return struct.pack("<II%di" % len(values), kind, 8 + 4 * len(values), *values)


def emf_pt16(x, y):
    return struct.unpack("<i", struct.pack("<hh", x, y))[0]


def chart_picture():
    """An enhanced metafile: a bar chart with its axes, a trend line, a marker and a title, on a
    reference device of 96 pixels to the inch, 200 x 120 pixels."""
    w, h = 200, 120
    null_pen, white_brush = -0x7FFFFFF8, -0x80000000  # stock objects 8 and 0

    def ref(r, g, b):
        return r | g << 8 | b << 16

    title = "Sales".encode("utf-16-le")
    records = [
        emf_rec(37, null_pen), emf_rec(37, white_brush), emf_rec(43, 0, 0, w, h),  # the page
        emf_rec(38, 1, 0, 0, 0, ref(60, 60, 60)), emf_rec(37, 1),               # axes
        emf_rec(27, 20, 10), emf_rec(54, 20, 100), emf_rec(54, 190, 100),
    ]
    for i, (height, colour) in enumerate([(40, (70, 130, 200)), (65, (90, 170, 90)),
                                          (50, (230, 160, 40)), (80, (200, 70, 60))]):
        records += [emf_rec(39, 2 + i, 0, ref(*colour), 0), emf_rec(37, 2 + i),
                    emf_rec(43, 35 + 38 * i, 100 - height, 60 + 38 * i, 100)]
    records += [
        emf_rec(38, 6, 0, 2, 0, ref(40, 40, 40)), emf_rec(37, 6),                # the trend
        emf_rec(87, 0, 0, w, h, 4, emf_pt16(47, 55), emf_pt16(85, 32), emf_pt16(123, 47),
                emf_pt16(161, 18)),
        emf_rec(59), emf_rec(27, 161, 12), emf_rec(54, 167, 22), emf_rec(54, 155, 22),
        emf_rec(61), emf_rec(60), emf_rec(63, 0, 0, w, h),                      # a marker
        emf_rec(82, 7, -13, 0, 0, 0, 700, 0, 0,
                *struct.unpack("<16i", "Arial".encode("utf-16-le").ljust(64, b"\0"))),
        emf_rec(37, 7), emf_rec(18, 1), emf_rec(24, ref(30, 30, 30)),
        emf_rec(84, 0, 0, w, h, 1, 0, 0, 24, 2, len(title) // 2, 76, 0, 0, 0, 0, 0, 0,
                *struct.unpack("<%di" % (len(title) // 4 + 1), title.ljust(len(title) // 4 * 4 + 4, b"\0"))),
    ]
    body = b"".join(records)
    frame = (0, 0, w * 2540 // 96, h * 2540 // 96)
    head = struct.pack("<II4i4iIIIIHHIII4i", 1, 88, 0, 0, w - 1, h - 1, *frame, 0x464D4520,
                       0x10000, 88 + len(body) + 20, len(records) + 2, 8, 0, 0, 0, 0,
                       960, 960, 254, 254)
    return head + body + struct.pack("<5I", 14, 20, 0, 16, 20)


def record(image):
    return struct.pack("<I", len(image) + 8) + b"lt\0\0" + struct.pack("<I", len(image)) + image


def text(s):
    return struct.pack("<I", len(s)) + s


# --- the pictures -----------------------------------------------------------------------------

def glyph(colour, shape, size=16, background=None):
    """A small picture on a transparent background, or on `background` for a bitmap."""
    c = Canvas(size, size, background or (0, 0, 0))
    if background is None:
        c.clear()
    m = size / 16
    if shape == "person":
        c.disc(8 * m, 5 * m, 3.2 * m, colour)
        c.disc(8 * m, 16 * m, 7 * m, colour)
    elif shape == "globe":
        c.disc(8 * m, 8 * m, 7 * m, colour)
        c.disc(8 * m, 8 * m, 7 * m, (255, 255, 255), ring=6 * m)
        c.rect(int(1 * m), int(7.5 * m), int(15 * m), int(8.5 * m) + 1, (255, 255, 255))
        c.rect(int(7.5 * m), int(1 * m), int(8.5 * m) + 1, int(15 * m), (255, 255, 255))
    elif shape == "gear":
        c.disc(8 * m, 8 * m, 7 * m, colour)
        c.disc(8 * m, 8 * m, 2.5 * m, (255, 255, 255))
    elif shape == "folder":
        c.rect(int(1 * m), int(3 * m), int(7 * m), int(5 * m), colour)
        c.rect(int(1 * m), int(5 * m), int(15 * m), int(14 * m), colour)
        c.rect(int(2 * m), int(6 * m), int(14 * m), int(7 * m), (255, 240, 170))
    elif shape == "disk":
        c.rect(int(1 * m), int(1 * m), int(15 * m), int(15 * m), colour)
        c.rect(int(4 * m), int(1 * m), int(12 * m), int(6 * m), (230, 230, 230))
        c.rect(int(4 * m), int(9 * m), int(12 * m), int(15 * m), (255, 255, 255))
    elif shape == "bold":
        c.rect(int(4 * m), int(2 * m), int(7 * m), int(14 * m), colour)
        for y0, y1, x1 in ((2, 4, 11), (7, 9, 11), (12, 14, 12)):
            c.rect(int(4 * m), int(y0 * m), int(x1 * m), int(y1 * m), colour)
        c.rect(int(10 * m), int(3 * m), int(12 * m), int(8 * m), colour)
        c.rect(int(11 * m), int(8 * m), int(13 * m), int(13 * m), colour)
    elif shape == "printer":
        c.rect(int(4 * m), int(1 * m), int(12 * m), int(6 * m), (255, 255, 255))
        c.rect(int(1 * m), int(6 * m), int(15 * m), int(12 * m), colour)
        c.rect(int(4 * m), int(10 * m), int(12 * m), int(15 * m), (255, 255, 255))
        c.rect(int(12 * m), int(7 * m), int(14 * m), int(8 * m), (80, 200, 80))
    elif shape == "page":
        c.rect(int(3 * m), int(1 * m), int(13 * m), int(15 * m), (255, 255, 255))
        c.rect(int(3 * m), int(1 * m), int(13 * m), int(2 * m), colour)
        for y in (5, 8, 11):
            c.rect(int(5 * m), int(y * m), int(11 * m), int(y * m) + max(1, int(m)), colour)
    return c


def viewer_icon():
    return ico(glyph((30, 90, 170), "page", 32), glyph((30, 90, 170), "page", 16))


def portrait():
    c = Canvas(64, 64, (200, 225, 245))
    c.disc(32, 70, 28, (60, 110, 170))
    c.disc(32, 26, 14, (240, 200, 160))
    c.rect(22, 21, 26, 25, (40, 40, 40))
    c.rect(38, 21, 42, 25, (40, 40, 40))
    c.rect(26, 32, 38, 34, (170, 60, 60))
    return c


def logo():
    c = Canvas(48, 32, (255, 255, 255))
    c.rect(0, 0, 48, 32, (20, 60, 120))
    c.disc(16, 16, 11, (250, 190, 40))
    c.rect(30, 8, 44, 12, (255, 255, 255))
    c.rect(30, 15, 44, 19, (255, 255, 255))
    c.rect(30, 22, 40, 26, (255, 255, 255))
    return c


def backdrop():
    c = Canvas(200, 24, (240, 240, 240))
    for x in range(200):
        shade = 240 - x // 10
        c.rect(x, 0, x + 1, 24, (shade, shade, 250))
    return c


def save_button():
    c = Canvas(16, 16, (0, 0, 0))
    c.clear()
    c.rect(1, 1, 15, 15, (40, 80, 160))
    c.rect(4, 1, 12, 6, (230, 230, 230))
    c.rect(4, 9, 12, 15, (255, 255, 255))
    return c


def write(name, parts):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"".join(parts))
    offsets, at = [], 0
    for p in parts:
        offsets.append("%04X" % at)
        at += len(p)
    print(name, " ".join(offsets))


def main():
    tab_icons = [ico(glyph((50, 120, 50), "person")), ico(glyph((40, 90, 180), "globe")),
                 ico(glyph((120, 120, 120), "gear"))]
    write("tabs.frx", [record(i) for i in tab_icons])
    write("thirdparty.frx", [record(viewer_icon()), record(ico(glyph((30, 90, 170), "page"))),
                             text(b"tabPages \tKKKKK")])
    # The editor's image list: bitmaps on the list's mask colour (silver), which shows the bar.
    silver = (192, 192, 192)
    write("editor.frx", [
        record(viewer_icon()),
        record(bmp(glyph((30, 90, 170), "page", background=silver))),
        record(bmp(glyph((200, 160, 40), "folder", background=silver))),
        record(bmp(glyph((40, 80, 160), "disk", background=silver))),
        record(bmp(glyph((20, 20, 20), "bold", background=silver))),
        record(bmp(glyph((90, 90, 90), "printer", background=silver))),
        text(b"txtBody \tKKKKK"),
        # The note's rich text: what its Text gives is the plain text of it.
        text(b"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}}\r\n"
             b"\\viewkind4\\uc1\\pard\\lang1033\\b\\f0\\fs17 Shopping\\b0 : bread, milk, apples\\par\r\n"
             b"Caf\\'e9 \\'80 3,50\\tab paid\\par\r\n}\r\n"),
    ])
    write("backup.frx", [
        text(b"lblSource \tKKKAK\r\nprgFiles \tKKKAK\r\nsldLevel \tKKKAK\r\n"
             b"lblDisk \tAKKAK\r\nprgDisk \tAKKKK\r\ntvwFolders \tKKAKK\r\nlvwFiles \tKKKKK\r\n"
             b"cmdCancel \tAAKKK"),
    ])
    write("booking.frx", [
        text(b"lblDate \tKKAAK\r\ndtpDate \tKKAAK\r\nlblTime \tKKAAK\r\ndtpTime \tKKAAK\r\n"
             b"lblRemind \tKKAAK\r\ndtpRemind \tKKAAK\r\nlblGuests \tKKAAK\r\ntxtGuests \tKKAAK\r\n"
             b"updGuests \tKKAAK\r\nlblNotes \tKKAAK\r\n"
             b"txtNotes \tKKKKK\r\nmvwMonth \tAKKAK\r\ncmdBook \tAAKKK\r\ncmdCancel \tAAKKK"),
    ])
    # The ledger's grid: its FormatString (padded with blanks to size its columns, as programs
    # do), then the resizer's settings.
    write("ledger.frx", [
        text(b"<Date        |<Description                               |>        Amount"
             b"|>       Balance"),
        text(b"lblAccount \tKKAAK\r\ntxtAccount \tKKKAK\r\nlblPeriod \tAKKAK\r\n"
             b"txtPeriod \tAKKAK\r\ngrdLedger \tKKKKK\r\nlblBalance \tKAAKK\r\n"
             b"txtBalance \tKAAKK\r\ncmdAdd \tAAKKK\r\ncmdDelete \tAAKKK\r\ncmdClose \tAAKKK"),
    ])
    write("contacts.frx", [
        text(b"dblContacts \tKKAKK\r\nlblName \tKKAAK\r\ntxtName \tKKKAK\r\n"
             b"lblGroup \tKKAAK\r\ndbcGroup \tKKKAK\r\nlblIcon \tKKAAK\r\nimcIcon \tKKKAK\r\n"
             b"cmdOK \tAAKKK\r\ncmdCancel \tAAKKK"),
    ])
    write("profile.frx", [
        record(ico(glyph((200, 90, 40), "person", 32), glyph((200, 90, 40), "person", 16))),
        record(bmp(backdrop())),
        record(gif(portrait())),
        record(bmp(logo())),
        record(ico(save_button())),
        record(map_picture()),
        record(bmp(glyph((50, 120, 50), "person", background=(240, 240, 240)))),
        record(bmp(glyph((40, 90, 180), "globe", background=(240, 240, 240)))),
        record(bmp(glyph((120, 120, 120), "page", background=(240, 240, 240)))),
        text(b"picLogo \tKKAAK\r\nlblTitle \tKKKAK\r\ntabProfile \tKKKKK\r\n"
             b"lblName \tKKAAK\r\ntxtName \tKKKAK\r\nimgPhoto \tAKKAK\r\n"
             b"lblEmail \tKKAAK\r\ntxtEmail \tKKKAK\r\nimgMap \tKKKKK\r\n"
             b"tsNotes \tKKKKK\r\ntxtNotes \tKKKKK\r\ncmdSave \tAAKKK\r\ncmdClose \tAAKKK"),
    ])

    # Both kinds of metafile, for the fuzz targets: no sample form holds an enhanced one; and a
    # picture of each format as its own file, for the pictures' target.
    write(os.path.join("..", "..", "fuzz", "regressions", "metafiles.frx"),
          [record(map_picture()), record(chart_picture())])
    for name, image in [("map.wmf", map_picture()), ("chart.emf", chart_picture()),
                        ("logo.bmp", bmp(logo())), ("portrait.gif", gif(portrait())),
                        ("save.ico", ico(save_button()))]:
        write(os.path.join("..", "..", "fuzz", "pictures", name), [image])


if __name__ == "__main__":
    main()
