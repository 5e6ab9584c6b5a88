#!/usr/bin/env python3
"""Render Vorlane's art from the SVG drawings in assets/src.

Writes the skin pictures, the menu pictures and the info dialog pictures to
assets/png (100 %) and assets/png200 (200 %, for displays of more than 96 DPI), the icons (and their PNG sources) to assets/icons, the pre-decoded
pictures of the main window and the tray menu to assets/pixels, and the resource
list assets/pictures.rc. The results are committed, so building the program
never needs this script.

The PNG files are the masters. The main window's pictures are needed for its
first paint, so the exe holds them pre-decoded: the premultiplied 32-bit BGRA
pixels the Windows Imaging Component makes of the PNG (top-down rows),
LZNT1-compressed for ntdll's RtlDecompressBuffer, behind a 12-byte header:
"VLPX", width and height (16 bits each), flags (32 bits; 1: every pixel opaque),
all little-endian. The info dialog's pictures stay PNG: they are decoded when
the dialog first opens.

Needs: rsvg-convert (librsvg2-bin), ImageMagick `convert` (for the .ico files),
python3 with PIL and numpy (apt-get install python3-pil python3-numpy).
--from-png needs python3 alone.

Usage: python3 assets/render_art.py [--preview | --from-png]
  --preview   also writes enlarged check pictures to assets/preview (not committed)
  --from-png  renders nothing: makes assets/pixels and pictures.rc from the
              committed PNG files
"""

import base64
import copy
import io
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib

try:
    import numpy as np
    from PIL import Image
except ImportError:  # another python3 first on PATH: use the system one
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    np = Image = None  # enough for --from-png

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "src")
PNG = os.path.join(HERE, "png")
ICONS = os.path.join(HERE, "icons")
PIXELS = os.path.join(HERE, "pixels")
PREVIEW = os.path.join(HERE, "preview")
# The pictures drawn again at 200 %, for displays of more than 96 DPI: kept as PNG, decoded
# only on such a display; the program resamples them by area for the other scales.
PNG200 = os.path.join(HERE, "png200")
DOUBLE_SIZE_SUFFIX = "_2x"

SVG_NS = "http://www.w3.org/2000/svg"
XLINK_NS = "http://www.w3.org/1999/xlink"
ET.register_namespace("", SVG_NS)
ET.register_namespace("xlink", XLINK_NS)

# The program's table of image buttons: the art is cut to the places it gives.
BUTTON_TABLE = os.path.join(HERE, "..", "app", "ImageButtonTable.cpp")


def read_buttons(path):
    """Each image button's group id in device.svg, the rectangle of its pictures (left, top,
    width, height) in window pixels and the height of its place, from its row in the
    program's table: the pictures are as tall as the place unless the row gives them their
    own height, and the program cuts off what lies below the place."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    row = re.compile(r"\{\s*\.button\s*=\s*&F::btn(\w+),\s*"
                     r"\.bounds\s*=\s*\{\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)\s*\},\s*"
                     r"(?:\.pictureHeight\s*=\s*(\d+),)?")
    buttons = []
    for match in row.finditer(text):
        name = match.group(1)
        left, top, width, height = (int(v) for v in match.group(2, 3, 4, 5))
        picture_height = int(match.group(6)) if match.group(6) else height
        buttons.append((name, left, top, width, picture_height, height))
    if not buttons or len(buttons) != text.count(".button ="):
        raise SystemExit("%s: found %d readable rows of %d" %
                         (path, len(buttons), text.count(".button =")))
    return buttons


# Image buttons of the main window: group id in device.svg, picture rectangle (left, top,
# width, height) in window pixels, and the height of the place that shows it.
BUTTONS = read_buttons(BUTTON_TABLE)
LOOKS = [("Normal", "n"), ("Hover", "h"), ("Active", "a")]
BLINK_RECT = (24, 36, 122, 70)

MENU_PICTURES = ["mnuSet", "mnuInfo", "mnuVisitArdeway", "mnuOpenConfigFolderHere",
                 "mnuMinimize", "mnuRestore", "mnuExit"]
PALETTE_PICTURES = {"mnuOpenConfigFolderHere"}  # stored with a 256-colour palette

ARDEWAY_RECT = (390, 310, 77, 90)

# Resource names: the main window's and the menu's pictures are stored pre-decoded,
# the info dialog's as PNG.
PREDECODED_PICTURES = (["imgForm", "imgBackgroundBlink"] +
                       ["btn%s%s" % (button[0], look) for button in BUTTONS for look, _ in LOOKS] +
                       MENU_PICTURES)
PNG_PICTURES = ["imgBackground"] + ["btnArdewayIcon%s" % look for look, _ in LOOKS]
DOUBLE_SIZE_PICTURES = [name for name in PREDECODED_PICTURES + PNG_PICTURES
                        if name != "imgBackground"]


def q(tag):
    return "{%s}%s" % (SVG_NS, tag)


def load(name):
    return ET.parse(os.path.join(SRC, name)).getroot()


def render(root, width=None, height=None):
    """Render an SVG element tree with rsvg-convert; returns an RGBA float array."""
    data = ET.tostring(root, encoding="utf-8")
    cmd = ["rsvg-convert", "-f", "png"]
    if width:
        cmd += ["-w", str(width), "-h", str(height)]
    out = subprocess.run(cmd, input=data, stdout=subprocess.PIPE, check=True).stdout
    img = Image.open(io.BytesIO(out)).convert("RGBA")
    return np.asarray(img).astype(np.float64)


def find_id(root, ident):
    for el in root.iter():
        if el.get("id") == ident:
            return el
    raise KeyError(ident)


def set_look(root, ident, token):
    """Replace the look token (n, h, a / lit, blink) in the class of one group."""
    el = find_id(root, ident)
    classes = el.get("class").split()
    classes[-1] = token
    el.set("class", " ".join(classes))


def isolate(root, ident):
    """A copy of the drawing that holds only the definitions and one group."""
    iso = copy.deepcopy(root)
    keep = copy.deepcopy(find_id(root, ident))
    for child in list(iso):
        if child.tag not in (q("defs"), q("style")):
            iso.remove(child)
    iso.append(keep)
    return iso


def to_u8(arr):
    return np.clip(np.rint(arr), 0, 255).astype(np.uint8)


def save_rgb(arr, path):
    Image.fromarray(to_u8(arr[:, :, :3]), "RGB").save(path, optimize=True)


def save_rgba(arr, path):
    Image.fromarray(to_u8(arr), "RGBA").save(path, optimize=True)


def crop(arr, rect):
    x, y, w, h = rect
    return arr[y:y + h, x:x + w]


def cut_out(full, mask, rect):
    """The picture of one look: colours of the full render, alpha of the mask."""
    pic = crop(full, rect).copy()
    pic[:, :, 3] = crop(mask, rect)[:, :, 3]
    pic[pic[:, :, 3] < 0.5, :3] = 0  # fully transparent pixels carry no colour
    return pic


def over(pic, base):
    a = pic[:, :, 3:4] / 255.0
    out = base.copy()
    out[:, :, :3] = pic[:, :, :3] * a + base[:, :, :3] * (1 - a)
    return out


# ---------------------------------------------------------------- main window

def scaled_length(v, k):
    """A design length at scale k, a half rounded away from zero (as the program does)."""
    p = v * k
    return int(math.floor(p + 0.5)) if p >= 0 else -int(math.floor(-p + 0.5))


def scaled_rect(rect, k):
    """A design rectangle at scale k: its edges scaled, as the program places controls."""
    x, y, w, h = rect
    left, top = scaled_length(x, k), scaled_length(y, k)
    return (left, top, scaled_length(x + w, k) - left, scaled_length(y + h, k) - top)


def render_skin(k=1, out=PNG):
    dev = load("device.svg")
    size = (scaled_length(171, k), scaled_length(238, k))
    normal = render(dev, *size) if k != 1 else render(dev)
    assert normal.shape[:2] == (size[1], size[0]), normal.shape
    save_rgb(normal, os.path.join(out, "imgForm.png"))

    blink_root = copy.deepcopy(dev)
    set_look(blink_root, "screen", "blink")
    blink = crop(render(blink_root, *size) if k != 1 else render(blink_root),
                 scaled_rect(BLINK_RECT, k))
    save_rgb(blink, os.path.join(out, "imgBackgroundBlink.png"))

    report = []
    for name, *design, _ in BUTTONS:
        rect = scaled_rect(design, k)
        x, y, w, h = rect
        ident = "btn" + name
        mask = render(isolate(dev, ident), *size) if k != 1 else render(isolate(dev, ident))
        # the button's shape must lie inside its own picture rectangle
        outside = mask[:, :, 3].copy()
        outside[y:y + h, x:x + w] = 0
        if outside.max() > 0:
            raise SystemExit("%s: shape reaches outside its rectangle" % ident)
        for look, token in LOOKS:
            if token == "n":
                full = normal
            else:
                r = copy.deepcopy(dev)
                set_look(r, ident, token)
                full = render(r, *size) if k != 1 else render(r)
            pic = cut_out(full, mask, rect)
            save_rgba(pic, os.path.join(out, "btn%s%s.png" % (name, look)))
        # alignment: Normal drawn over the background equals the background
        pic = np.asarray(Image.open(os.path.join(out, "btn%sNormal.png" % name))).astype(float)
        base = crop(np.asarray(Image.open(os.path.join(out, "imgForm.png")).convert("RGBA")).astype(float), rect)
        diff = np.abs(over(pic, base)[:, :, :3] - base[:, :, :3]).max()
        opaque = int((pic[:, :, 3] == 255).sum())
        report.append((name, diff, opaque, w * h))
    print("alignment of the Normal pictures over imgForm (max channel difference, 0..255):")
    for name, diff, opaque, total in report:
        print("  btn%-10s max diff %.0f   opaque pixels %d of %d" % (name, diff, opaque, total))
    return dev


# ---------------------------------------------------------------- info dialog

def png_data_uri(path):
    with open(path, "rb") as f:
        return "data:image/png;base64," + base64.b64encode(f.read()).decode("ascii")


def render_dialog(k=1, out=PNG):
    dlg = load("info-dialog.svg")
    # the dialog shows the main window as it looks at rest, at the same scale
    shot = find_id(dlg, "device-shot")
    shot.set("{%s}href" % XLINK_NS, png_data_uri(os.path.join(out, "imgForm.png")))
    size = (scaled_length(477, k), scaled_length(413, k))
    normal = render(dlg, *size) if k != 1 else render(dlg)
    assert normal.shape[:2] == (size[1], size[0]), normal.shape
    if k == 1:
        # At 200 % the dialog's background alone would take 130 kB of the exe: the program
        # enlarges the 100 % one instead (its texts are drawn at the display's DPI anyway).
        save_rgb(normal, os.path.join(out, "imgBackground.png"))
    for look, token in LOOKS:
        if token == "n":
            full = normal
        else:
            r = copy.deepcopy(dlg)
            set_look(r, "ardeway", token)
            full = render(r, *size) if k != 1 else render(r)
        save_rgb(crop(full, scaled_rect(ARDEWAY_RECT, k)),
                 os.path.join(out, "btnArdewayIcon%s.png" % look))


# ---------------------------------------------------------------- menu pictures

def render_menu(k=1, out=PNG):
    menu = load("menu.svg")
    side = scaled_length(16, k)
    strip = render(menu, side * len(MENU_PICTURES), side) if k != 1 else render(menu)
    assert strip.shape[:2] == (side, side * len(MENU_PICTURES)), strip.shape
    for i, name in enumerate(MENU_PICTURES):
        pic = strip[:, side * i:side * i + side].copy()
        pic[pic[:, :, 3] < 0.5, :3] = 0
        path = os.path.join(out, name + ".png")
        if name in PALETTE_PICTURES and k == 1:
            # 256-colour palette; on-off transparency through the palette
            img = Image.fromarray(to_u8(pic), "RGBA")
            solid = img.convert("RGB")
            alpha = np.asarray(img)[:, :, 3]
            pal = solid.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
            idx = np.asarray(pal).copy()
            idx[alpha < 128] = 255
            indexed = Image.fromarray(idx.astype(np.uint8), "P")
            palette = pal.getpalette()[:255 * 3]
            palette += [0] * (255 * 3 - len(palette)) + [255, 0, 255]
            indexed.putpalette(palette)
            indexed.info["transparency"] = 255
            indexed.save(path, transparency=255, optimize=True)
        else:
            save_rgba(pic, path)


# ---------------------------------------------------------------- test references

REFERENCES = os.path.join(HERE, "..", "tests", "win32", "reference")


def render_references():
    """The main window's drawing rendered straight at 150 %: what the program's pictures at
    144 DPI, made from the 200 % set, are compared with."""
    os.makedirs(REFERENCES, exist_ok=True)
    dev = load("device.svg")
    save_rgb(render(dev, scaled_length(171, 1.5), scaled_length(238, 1.5)),
             os.path.join(REFERENCES, "imgForm-150.png"))


# ---------------------------------------------------------------- icons

def make_ico(sources, sizes, ico_name, classic=False):
    """Render one SVG per size range into PNG sources and pack them into an .ico."""
    pngs = []
    base = os.path.splitext(ico_name)[0]
    for size in sizes:
        svg = sources(size)
        arr = render(load(svg), size, size)
        path = os.path.join(ICONS, "%s-%d.png" % (base, size))
        save_rgba(arr, path)
        pngs.append(path)
    if classic:
        write_classic_ico(pngs, os.path.join(ICONS, ico_name))
    else:
        subprocess.run(["convert"] + pngs + [os.path.join(ICONS, ico_name)], check=True)


def bmp_entry(rgba, bpp):
    """One icon image in the classic DIB layout: 4 or 8 bit with a palette, or 32 bit."""
    import struct
    h, w = rgba.shape[:2]
    alpha = rgba[:, :, 3]
    transparent = alpha < 128
    if bpp == 32:
        xor = rgba[:, :, [2, 1, 0, 3]].astype(np.uint8)
        rows = [xor[y].tobytes() for y in range(h - 1, -1, -1)]
        palette = b""
    else:
        colours = 16 if bpp == 4 else 256
        # edges are flattened onto a light title-bar grey; clear pixels use the AND mask
        a = (alpha / 255.0)[:, :, None]
        flat = rgba[:, :, :3] * a + np.array([236.0, 236.0, 238.0]) * (1 - a)
        img = Image.fromarray(to_u8(flat), "RGB")
        q = img.quantize(colors=colours - 1, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        idx = np.asarray(q).astype(np.uint8) + 1
        idx[transparent] = 0
        pal = q.getpalette()[:(colours - 1) * 3]
        pal += [0] * ((colours - 1) * 3 - len(pal))
        palette = b"\0\0\0\0" + b"".join(bytes((pal[3 * i + 2], pal[3 * i + 1], pal[3 * i], 0))
                                        for i in range(colours - 1))
        rows = []
        for y in range(h - 1, -1, -1):
            line = idx[y]
            if bpp == 4:
                line = (line[0::2] << 4) | line[1::2]
            raw = line.astype(np.uint8).tobytes()
            rows.append(raw + b"\0" * (-len(raw) % 4))
    mask_rows = []
    for y in range(h - 1, -1, -1):
        raw = np.packbits(transparent[y].astype(np.uint8)).tobytes()
        mask_rows.append(raw + b"\0" * (-len(raw) % 4))
    body = b"".join(rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bpp, 0, len(body), 0, 0, 0, 0)
    return header + palette + body


def write_classic_ico(pngs, path):
    """An .ico with every size in 16 colours, 256 colours and 32-bit colour."""
    import struct
    entries = []
    for png in pngs:
        rgba = np.asarray(Image.open(png).convert("RGBA")).astype(np.float64)
        size = rgba.shape[0]
        for bpp in (4, 8, 32):
            entries.append((size, bpp, bmp_entry(rgba, bpp)))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, bpp, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bpp == 4 else 0, 0, 1, bpp,
                           len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data in entries)
    with open(path, "wb") as f:
        f.write(out)


def render_icons():
    make_ico(lambda s: "icon-vorlane-small.svg" if s <= 24 else "icon-vorlane.svg",
             [16, 24, 32, 48, 256], "Vorlane.ico")
    make_ico(lambda s: "icon-info-small.svg" if s <= 24 else "icon-info.svg",
             [16, 24, 32, 48], "Info.ico", classic=True)


# ---------------------------------------------------------------- pre-decoded pictures

def read_png(path):
    """Width, height and RGBA bytes of an 8-bit, non-interlaced RGB, RGBA or palette PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("%s: not a PNG file" % path)
    pos = 8
    idat, palette, alphas = [], b"", b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = body
        elif kind == b"tRNS":
            alphas = body
        elif kind == b"IDAT":
            idat.append(body)
        elif kind[0] & 0x20 == 0 and kind != b"IEND":  # a critical chunk this reader does not know
            raise SystemExit("%s: unexpected %s chunk" % (path, kind.decode()))
    channels = {2: 3, 3: 1, 6: 4}.get(colour)
    if depth != 8 or interlace != 0 or channels is None or (colour == 2 and alphas):
        raise SystemExit("%s: only 8-bit non-interlaced RGB, RGBA or palette PNG" % path)
    rows = png_unfilter(zlib.decompress(b"".join(idat)), width * channels, channels, height)
    if colour == 6:
        return width, height, rows
    if colour == 2:
        rgba = bytearray(width * height * 4)
        for c in range(3):
            rgba[c::4] = rows[c::3]
        rgba[3::4] = b"\xff" * (width * height)
        return width, height, bytes(rgba)
    alphas += b"\xff" * (256 - len(alphas))
    table = [palette[3 * i:3 * i + 3] + alphas[i:i + 1] for i in range(len(palette) // 3)]
    return width, height, b"".join(table[index] for index in rows)


def png_unfilter(raw, stride, bpp, height):
    """The rows of a PNG image with each row's filter undone."""
    out = bytearray(stride * height)
    prior = bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - bpp] if x >= bpp else 0
            up = prior[x]
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                corner = prior[x - bpp] if x >= bpp else 0
                guess = left + up - corner
                pa, pb, pc = abs(guess - left), abs(guess - up), abs(guess - corner)
                nearest = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[x] = (line[x] + nearest) & 0xFF
            elif kind != 0:
                raise SystemExit("unknown PNG row filter %d" % kind)
        out[y * stride:(y + 1) * stride] = line
        prior = line
    return bytes(out)


def premultiplied_bgra(rgba):
    """The pixels as a 32bppPBGRA bitmap holds them: each colour times alpha, rounded."""
    out = bytearray(len(rgba))
    for i in range(0, len(rgba), 4):
        r, g, b, a = rgba[i:i + 4]
        out[i:i + 4] = bytes(((b * a + 127) // 255, (g * a + 127) // 255, (r * a + 127) // 255, a))
    return bytes(out)


LZNT1_CHUNK = 4096


def lznt1_compress(data):
    """The data in LZNT1 chunks of 4096 bytes, each stored as it is where packing it gains nothing."""
    out = bytearray()
    for start in range(0, len(data), LZNT1_CHUNK):
        chunk = data[start:start + LZNT1_CHUNK]
        packed = lznt1_pack_chunk(chunk)
        # header: bit 15 packed, bits 12-14 the signature 3, bits 0-11 the body's size less one
        if len(packed) < len(chunk):
            out += struct.pack("<H", 0xB000 | (len(packed) - 1)) + packed
        else:
            out += struct.pack("<H", 0x3000 | (len(chunk) - 1)) + chunk
    return bytes(out)


def lznt1_offset_bits(pos):
    """Bits of a back-reference that hold its offset, at this position of the chunk: just enough
    to reach the chunk's start, at least 4. The other bits of the 16 hold the length."""
    bits = 4
    while (1 << bits) < pos:
        bits += 1
    return bits


def lznt1_longest_match(chunk, pos):
    """The longest run at pos that also starts earlier in the chunk (it may overlap pos), as long
    as a back-reference at pos can say; 0 when shorter than 3."""
    limit = min((1 << (16 - lznt1_offset_bits(pos))) + 2, len(chunk) - pos)

    def found(length):
        return chunk.find(chunk[pos:pos + length], 0, pos + length - 1) >= 0

    if pos == 0 or limit < 3 or not found(3):
        return 0
    low, high = 3, limit
    while low < high:
        middle = (low + high + 1) // 2
        if found(middle):
            low = middle
        else:
            high = middle - 1
    return low


def lznt1_pack_chunk(chunk):
    """One chunk's body: groups of a flag byte and eight items, each a literal byte (flag bit 0)
    or a back-reference (flag bit 1). The parse is the cheapest from the end backwards, with
    lengths past 66 tried only at their longest."""
    n = len(chunk)
    longest = [lznt1_longest_match(chunk, pos) for pos in range(n)]
    # cost in eighths of a byte from each position to the end: a literal costs 8 + 1 flag bit,
    # a back-reference 16 + 1; every length up to the longest is possible
    cost = [0] * (n + 1)
    choice = [0] * n
    for pos in range(n - 1, -1, -1):
        cost[pos] = 9 + cost[pos + 1]
        lengths = range(3, min(longest[pos], 66) + 1)
        for length in list(lengths) + ([longest[pos]] if longest[pos] > 66 else []):
            if 17 + cost[pos + length] < cost[pos]:
                cost[pos] = 17 + cost[pos + length]
                choice[pos] = length
    out = bytearray()
    pos = 0
    while pos < n:
        flags_at = len(out)
        out.append(0)
        for bit in range(8):
            if pos == n:
                break
            length = choice[pos]
            if length == 0:
                out.append(chunk[pos])
                pos += 1
                continue
            offset = pos - chunk.rfind(chunk[pos:pos + length], 0, pos + length - 1)
            length_bits = 16 - lznt1_offset_bits(pos)
            out += struct.pack("<H", ((offset - 1) << length_bits) | (length - 3))
            out[flags_at] |= 1 << bit
            pos += length
    return bytes(out)


def write_pixels():
    """assets/pixels/NAME.lznt1 for every pre-decoded picture, from its committed PNG."""
    os.makedirs(PIXELS, exist_ok=True)
    raw_total = packed_total = 0
    for name in PREDECODED_PICTURES:
        width, height, rgba = read_png(os.path.join(PNG, name + ".png"))
        pixels = premultiplied_bgra(rgba)
        opaque = all(a == 255 for a in rgba[3::4])
        packed = lznt1_compress(pixels)
        header = b"VLPX" + struct.pack("<HHI", width, height, 1 if opaque else 0)
        with open(os.path.join(PIXELS, name + ".lznt1"), "wb") as f:
            f.write(header + packed)
        raw_total += len(pixels)
        packed_total += len(header) + len(packed)
        print("  %-26s %3dx%-3d %6d -> %6d bytes" % (name, width, height, len(pixels),
                                                     len(header) + len(packed)))
    print("pre-decoded pictures: %d bytes of pixels stored in %d" % (raw_total, packed_total))


def write_rc():
    lines = ["// Pictures and icons of Vorlane, written by render_art.py.", ""]
    lines.append('#include "ResourceIds.h"')
    lines.append("")
    lines.append('VORLANE_ICON_APP ICON "icons/Vorlane.ico"')
    lines.append('VORLANE_ICON_INFO ICON "icons/Info.ico"')
    lines.append("")
    lines.append("// Pixels ready for a DIB section, needed before the first paint.")
    for name in PREDECODED_PICTURES:
        lines.append('%s PIXELS "pixels/%s.lznt1"' % (name, name))
    lines.append("")
    lines.append("// PNG, decoded when the info dialog first opens.")
    for name in PNG_PICTURES:
        lines.append('%s RCDATA "png/%s.png"' % (name, name))
    lines.append("")
    lines.append("// Every picture at 200 %, PNG, decoded only on a display of more than 96 DPI.")
    for name in DOUBLE_SIZE_PICTURES:
        lines.append('%s%s RCDATA "png200/%s.png"' % (name, DOUBLE_SIZE_SUFFIX, name))
    with open(os.path.join(HERE, "pictures.rc"), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------- previews

def previews():
    os.makedirs(PREVIEW, exist_ok=True)
    form = Image.open(os.path.join(PNG, "imgForm.png")).convert("RGBA")

    def window(extra):
        img = form.copy()
        for name, look in extra:
            x, y, w, _, shown = [b[1:] for b in BUTTONS if b[0] == name][0]
            # the program cuts off what lies below the place
            pic = Image.open(os.path.join(PNG, "btn%s%s.png" % (name, look))).crop((0, 0, w, shown))
            img.alpha_composite(pic, (x, y))
        # the window's elliptic region on the grey desktop of a check picture
        mask = Image.new("L", (171, 238), 0)
        from PIL import ImageDraw
        ImageDraw.Draw(mask).ellipse((-1, -1, 172, 239), fill=255)
        bg = Image.new("RGBA", (171, 238), (40, 44, 52, 255))
        bg.paste(img, (0, 0), mask)
        return bg

    shots = [
        window([]),
        window([(n, "Hover") for n in ("PlusFive", "Play", "SetTime", "Exit")]),
        window([(n, "Active") for n in ("MinusOne", "Pause", "Help", "OpenMP3", "Minimize")]),
        window([(n, "Hover") for n, *_ in BUTTONS]),
        window([(n, "Active") for n, *_ in BUTTONS]),
    ]
    blink = window([])
    blink.alpha_composite(Image.open(os.path.join(PNG, "imgBackgroundBlink.png")).convert("RGBA"), (24, 36))
    shots.append(blink)
    sheet = Image.new("RGBA", (len(shots) * 180, 246), (40, 44, 52, 255))
    for i, s in enumerate(shots):
        sheet.paste(s, (i * 180 + 4, 4))
    sheet.save(os.path.join(PREVIEW, "windows.png"))
    sheet.resize((sheet.width * 3, sheet.height * 3), Image.NEAREST).save(os.path.join(PREVIEW, "windows-3x.png"))
    one = shots[0].resize((171 * 4, 238 * 4), Image.NEAREST)
    one.save(os.path.join(PREVIEW, "window-4x.png"))
    dlg = Image.open(os.path.join(PNG, "imgBackground.png")).convert("RGBA")
    dlg.save(os.path.join(PREVIEW, "dialog.png"))
    icons = Image.new("RGBA", (3 * 77 + 40, 90 + 20), (224, 224, 228, 255))
    for i, look in enumerate(("Normal", "Hover", "Active")):
        icons.paste(Image.open(os.path.join(PNG, "btnArdewayIcon%s.png" % look)), (10 + i * 80, 10))
    icons.resize((icons.width * 3, icons.height * 3), Image.NEAREST).save(os.path.join(PREVIEW, "ardeway-3x.png"))
    strip = Image.new("RGBA", (8 * 24, 24 * 3), (240, 240, 240, 255))
    for i, name in enumerate(MENU_PICTURES):
        strip.alpha_composite(Image.open(os.path.join(PNG, name + ".png")).convert("RGBA"), (4 + i * 24, 4))
    for j, s in enumerate((16, 24, 32, 48)):
        pass
    strip.resize((strip.width * 6, strip.height * 6), Image.NEAREST).save(os.path.join(PREVIEW, "menu-6x.png"))
    ic = Image.new("RGBA", (16 + 24 + 32 + 48 + 256 + 60, 260), (200, 204, 210, 255))
    x = 4
    for s in (16, 24, 32, 48, 256):
        ic.alpha_composite(Image.open(os.path.join(ICONS, "Vorlane-%d.png" % s)), (x, 4))
        x += s + 10
    ic.save(os.path.join(PREVIEW, "icons-vorlane.png"))
    small = Image.new("RGBA", (16 + 24 + 32 + 48 + 50, 50), (200, 204, 210, 255))
    x = 4
    for s in (16, 24, 32, 48):
        small.alpha_composite(Image.open(os.path.join(ICONS, "Vorlane-%d.png" % s)), (x, 1))
        x += s + 10
    small.resize((small.width * 5, small.height * 5), Image.NEAREST).save(os.path.join(PREVIEW, "icons-vorlane-5x.png"))
    small = Image.new("RGBA", (16 + 24 + 32 + 48 + 50, 50), (224, 224, 228, 255))
    x = 4
    for s in (16, 24, 32, 48):
        small.alpha_composite(Image.open(os.path.join(ICONS, "Info-%d.png" % s)), (x, 1))
        x += s + 10
    small.resize((small.width * 5, small.height * 5), Image.NEAREST).save(os.path.join(PREVIEW, "icons-info-5x.png"))


def main():
    if "--from-png" not in sys.argv:
        if np is None or shutil.which("rsvg-convert") is None:
            raise SystemExit("rendering needs rsvg-convert, numpy and PIL; "
                             "--from-png makes the rest from the committed PNG files")
        os.makedirs(PNG, exist_ok=True)
        os.makedirs(ICONS, exist_ok=True)
        render_skin()
        render_dialog()
        render_menu()
        os.makedirs(PNG200, exist_ok=True)
        render_skin(2, PNG200)
        render_dialog(2, PNG200)
        render_menu(2, PNG200)
        render_references()
        render_icons()
        print("rendered %d pictures at 100 and 200 %% and 2 icons" %
              (len(PREDECODED_PICTURES) + len(PNG_PICTURES)))
    write_pixels()
    write_rc()
    if "--preview" in sys.argv:
        previews()


if __name__ == "__main__":
    main()
