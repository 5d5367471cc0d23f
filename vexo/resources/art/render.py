#!/usr/bin/env python3
"""Renders Vexo's artwork into the resource files the resource compiler takes.

Sources are the SVG drawings beside this script. The outputs are committed, so
a Windows build needs only the resource compiler:
  cur/<name>.cur   32 x 32 cursors with alpha and their hot spot
  bmp/<name>.bmp   24-bit bitmaps (BI_RGB, bottom-up), one per image
  ../Artwork.rc    the CURSOR and BITMAP entries for all of them
Run through tools/render-art.sh, which installs rsvg-convert and PIL if needed.
"""

import argparse
import io
import os
import re
import struct
import subprocess
import sys

from PIL import Image

from sheet import contact_sheet

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.dirname(HERE)
CUR_DIR = os.path.join(HERE, "cur")
BMP_DIR = os.path.join(HERE, "bmp")
RC_PATH = os.path.join(RESOURCES, "Artwork.rc")

# The overlay's cursor per tool and width level: resource id -> source.
CURSORS = [
    (235, "pen3"),
    (236, "eraser"),
    (237, "marker1"),
    (238, "brush3"),
    (239, "marker3"),
    (240, "marker5"),
    (241, "pen1"),
    (242, "pen5"),
    (243, "brush1"),
    (244, "brush5"),
]


def rasterise(svg_text, width, height):
    """SVG text -> RGBA image of exactly width x height."""
    png = subprocess.run(
        ["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png"],
        input=svg_text.encode("utf-8"), stdout=subprocess.PIPE, check=True).stdout
    img = Image.open(io.BytesIO(png)).convert("RGBA")
    if img.size != (width, height):
        raise SystemExit("rsvg-convert gave %s, wanted %dx%d" % (img.size, width, height))
    return img


def read_svg(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def write_if_changed(path, data):
    """Keeps the file's time when nothing changed, so builds do not redo it."""
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def cur_bytes(img, hot_x, hot_y):
    """A one-image .cur: ICONDIR (type 2), one entry carrying the hot spot,
    then a 32-bit DIB with straight alpha and a 1-bit AND mask (height doubled,
    as icon and cursor DIBs have it)."""
    w, h = img.size
    px = img.load()
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        row_mask = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a)) if a else b"\0\0\0\0"
            if a < 128:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, 0, 0, hot_x, hot_y,
                        len(image), 6 + 16)
    return icondir + entry + image


def bmp_bytes(img):
    """A 24-bit BI_RGB bitmap file, bottom-up, rows padded to four bytes."""
    rgb = img.convert("RGB")
    w, h = rgb.size
    px = rgb.load()
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        pixels += row
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    return file_header + info + bytes(pixels)


def hotspot_of(svg_text, name):
    m = re.search(r'data-hotspot="(\d+),(\d+)"', svg_text)
    if not m:
        raise SystemExit("cursors/%s.svg has no data-hotspot" % name)
    return int(m.group(1)), int(m.group(2))


def render_cursors():
    os.makedirs(CUR_DIR, exist_ok=True)
    images = {}
    for _, name in CURSORS:
        svg = read_svg(os.path.join(HERE, "cursors", name + ".svg"))
        img = rasterise(svg, 32, 32)
        hx, hy = hotspot_of(svg, name)
        write_if_changed(os.path.join(CUR_DIR, name + ".cur"), cur_bytes(img, hx, hy))
        images[name] = (img, (hx, hy))
    return images



# ---------------------------------------------------------------- bitmaps

# The strips' background: a light vertical gradient with a highlight at the top
# and a rule at the bottom. Buttons are flat on it, so their up image carries
# the same gradient at the height where the button sits on its strip.
STRIP_TOP = "#f7f8fb"
STRIP_BOTTOM = "#cfd5de"
STRIP_RULE = "#98a1ae"

# Where a button sits: (strip height, button top on the strip).
CLASSIC = (28, 4)     # the classic strip, bitmap 285
LARGE = (34, 3)       # the large strip, bitmap 539
PLAYER_BAR = (28, 1)  # the player's bottom bar, bitmap 286
COMPACT_PLAYER_BAR = (46, 1)  # the player's bar in the compact style, bitmap 506
POPUP = (None, 0)     # the large strip's width pop-up, bitmap 572
POPUP_FACE = "#f4f5f8"

# The 15 pen colours of the strips, as RGB.
PEN_COLOURS = {
    1: "#000000", 2: "#ffffff", 3: "#ff0000", 4: "#00ff00", 5: "#0000ff",
    6: "#00ffff", 7: "#ff00ff", 8: "#ffff00", 9: "#004040", 10: "#800000",
    11: "#008000", 12: "#800080", 13: "#0080ff", 14: "#004080", 15: "#8080ff",
}

# (family, glyphs drawn in order, (width, height), images, placement).
# A glyph is an icons/*.svg name, optionally "name:#rrggbb" for its colour.
FAMILIES = [
    # classic strip, 23 x 22
    ("ARROW", ["arrow"], (23, 22), "UDF", CLASSIC),
    ("ERASER", ["eraser"], (23, 22), "UDF", CLASSIC),
    ("PEN", ["pen"], (23, 22), "UDF", CLASSIC),
    ("WATERPEN", ["brush"], (23, 22), "UDF", CLASSIC),
    ("MAKER", ["marker"], (23, 22), "UDF", CLASSIC),
    ("ERASERALL", ["eraseall"], (23, 22), "UDF", CLASSIC),
    ("PAGEUP", ["prevpage"], (23, 22), "UDFX", CLASSIC),
    ("PAGEDOWN", ["nextpage"], (23, 22), "UDFX", CLASSIC),
    ("NORMALSCREEN", ["slidescreen"], (23, 22), "UDFX", CLASSIC),
    ("BLACKSCREEN", ["blackboard"], (23, 22), "UDFX", CLASSIC),
    ("WHITESCREEN", ["whiteboard"], (23, 22), "UDFX", CLASSIC),
    ("CLOSE", ["endshow"], (23, 22), "UDFX", CLASSIC),
    ("EXIT", ["exit"], (23, 22), "UDF", CLASSIC),
    ("SAVEASJPG", ["savejpg"], (23, 22), "UDF", CLASSIC),
    ("MAILTO", ["mail"], (23, 22), "UDF", CLASSIC),
    ("RECORD", ["record"], (23, 22), "UDF", CLASSIC),
    ("STOP", ["stop"], (23, 22), "UDF", CLASSIC),
    ("PLAYER", ["playback"], (23, 22), "UDF", CLASSIC),
] + [
    (str(i), ["swatch:" + PEN_COLOURS[i]], (23, 22), "UDF", CLASSIC) for i in range(1, 16)
] + [
    ("PENWIDTH%d" % w, ["penwidth%d" % w], (23, 22), "UDF", CLASSIC) for w in (1, 3, 5)
] + [
    # large strip, 28 x 28
    ("ARROW1", ["arrow"], (28, 28), "UDFX", LARGE),
    ("ERASER1", ["eraser"], (28, 28), "UDFX", LARGE),
    ("PENCIL1", ["pen"], (28, 28), "UDFX", LARGE),
    ("WATERPEN1", ["brush"], (28, 28), "UDFX", LARGE),
    ("MAKER1", ["marker"], (28, 28), "UDFX", LARGE),
    ("ERASERALL1", ["eraseall"], (28, 28), "UDFX", LARGE),
    ("PREPAGE", ["prevpage"], (28, 28), "UDFX", LARGE),
    ("NEXTPAGE", ["nextpage"], (28, 28), "UDFX", LARGE),
    ("PAGEMENU", ["pagemenu"], (28, 28), "UDFX", LARGE),
    ("SLIDEBOARD", ["slidescreen"], (28, 28), "UDFX", LARGE),
    ("BLACKBOARD", ["blackboard"], (28, 28), "UDFX", LARGE),
    ("WHITEBOARD", ["whiteboard"], (28, 28), "UDFX", LARGE),
    ("CLOSE1", ["endshow"], (28, 28), "UDFX", LARGE),
    ("EXIT1", ["exit"], (28, 28), "UDFX", LARGE),
    ("SAVEJPG", ["savejpg"], (28, 28), "UDFX", LARGE),
    ("MAIL1", ["mail"], (28, 28), "UDFX", LARGE),
    ("RECORD1", ["record"], (28, 28), "UDFX", LARGE),
    ("STOP1", ["stop"], (28, 28), "UDFX", LARGE),
    ("RECPLAY1", ["playback"], (28, 28), "UDFX", LARGE),
    ("COLORBLACK", ["swatch:" + PEN_COLOURS[1]], (28, 28), "UDFX", LARGE),
    ("COLORWHITE", ["swatch:" + PEN_COLOURS[2]], (28, 28), "UDFX", LARGE),
    ("COLORRED", ["swatch:" + PEN_COLOURS[3]], (28, 28), "UDFX", LARGE),
    ("PALLET", ["palette"], (28, 28), "UDFX", LARGE),
    ("MYPC", ["mypc"], (28, 28), "UDFX", LARGE),
    ("MYLINK", ["mylink"], (28, 28), "UDFX", LARGE),
] + [
    ("SELPENWIDTH%d" % w, ["penwidth%d" % w, "dropdown"], (28, 28), "UDFX", LARGE) for w in (1, 3, 5)
] + [
    ("PEN2WIDTH%d" % w, ["line%d" % w], (28, 10), "UDFX", POPUP) for w in (1, 3, 5)
] + [
    # the player's bottom bar
    ("OPEN", ["open"], (42, 24), "UDFX", PLAYER_BAR),
    ("SAVE", ["save"], (42, 24), "UDFX", PLAYER_BAR),
    ("PLAY", ["play"], (42, 24), "UDFX", PLAYER_BAR),
    ("PAUSE", ["pause"], (42, 24), "UDFX", PLAYER_BAR),
    ("PLAYERSTOP", ["playerstop"], (42, 24), "UDFX", PLAYER_BAR),
    ("PLAYERCLOSE", ["playerclose"], (22, 24), "UDF", PLAYER_BAR),
    ("UI1_PLAYER_PLAY", ["play"], (36, 44), "UDFX", COMPACT_PLAYER_BAR),
    ("UI1_PLAYER_PAUSE", ["pause"], (36, 44), "UDFX", COMPACT_PLAYER_BAR),
    ("UI1_PLAYER_STOP", ["playerstop"], (36, 44), "UDFX", COMPACT_PLAYER_BAR),
    ("UI1_PLAYER_OPEN", ["open"], (36, 44), "UDFX", COMPACT_PLAYER_BAR),
    ("UI1_PLAYER_SAVE", ["save"], (36, 44), "UDFX", COMPACT_PLAYER_BAR),
    ("EXIT_UI1", ["playerclose"], (36, 44), "UDF", COMPACT_PLAYER_BAR),
]

# The large strip's open-document button: numbered images, not a family.
OPEN_DOCUMENT = {"U": 579, "D": 577, "F": 578, "X": 580}

# The user indicators: 279 for states 0 and 3 (no pen), 281 the initial and
# state 1 image (present), 280 for state 2 (drawing).
USER_INDICATORS = [(279, "#a3aab5", False), (281, "#3a7be0", False), (280, "#37b24d", True)]

# Strip backgrounds: id -> height.
STRIPS = [(285, 28), (539, 34), (286, 28), (506, 46)]

# The large strip's width pop-up: 28 x 48, its three buttons at rows 2, 17, 32.
WIDTH_POPUP = 572

# The picture box: two pictures switched by a right click.
PICTURES = [(531, "picture1"), (532, "picture2")]


def glyph_box(size):
    """The square the 24-unit drawing is scaled into, as (x, y, side)."""
    w, h = size
    side = {(23, 22): 18, (28, 28): 22, (42, 24): 20, (22, 24): 18, (36, 44): 26}.get(size)
    if side is None:
        return 0, 0, None
    return (w - side) // 2, (h - side) // 2, side


def glyph_svg(spec, size):
    name, _, colour = spec.partition(":")
    text = read_svg(os.path.join(HERE, "icons", name + ".svg"))
    w, h = size
    x, y, side = glyph_box(size)
    root = re.match(r"\s*<svg\b[^>]*>", text)
    tag = root.group(0)
    # Drawings made at the image's own size (the width pop-up's lines) fill it.
    if side is None:
        x, y, bw, bh = 0, 0, w, h
    else:
        bw = bh = side
    new_tag = re.sub(r'\swidth="[^"]*"', "", tag)
    new_tag = re.sub(r'\sheight="[^"]*"', "", new_tag)
    new_tag = new_tag.replace("<svg", '<svg x="%d" y="%d" width="%d" height="%d"' % (x, y, bw, bh), 1)
    if colour:
        new_tag = re.sub(r'\scolor="[^"]*"', "", new_tag)
        new_tag = new_tag.replace("<svg", '<svg color="%s"' % colour, 1)
    inner = text[root.end():]
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            % (w, h, w, h)) + new_tag + inner + "</svg>"


def strip_gradient(ident, strip_h, top):
    """The strip's gradient in the coordinates of an image whose top row sits
    at row `top` of a strip `strip_h` high."""
    return ('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="0" y1="%g" x2="0" y2="%g">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
            % (ident, -top, strip_h - top, STRIP_TOP, STRIP_BOTTOM))


def face_svg(size, placement, state):
    """The button face under the drawing for one state: U and X are the strip
    itself, F a raised highlighted frame, D a sunken darker frame."""
    w, h = size
    strip_h, top = placement
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d"><defs>'
             % (w, h, w, h)]
    if strip_h:
        parts.append(strip_gradient("strip", strip_h, top))
    parts.append('<linearGradient id="hover" x1="0" y1="0" x2="0" y2="1">'
                 '<stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#d7e7fc"/></linearGradient>'
                 '<linearGradient id="down" x1="0" y1="0" x2="0" y2="1">'
                 '<stop offset="0" stop-color="#a9c1e3"/><stop offset="1" stop-color="#c9daf1"/></linearGradient>'
                 '</defs>')
    parts.append('<rect width="%d" height="%d" fill="%s"/>' % (w, h, "url(#strip)" if strip_h else POPUP_FACE))
    if not strip_h:
        # the pop-up's side edges run on through its buttons
        parts.append('<rect width="1" height="%d" fill="%s"/><rect x="%d" width="1" height="%d" fill="%s"/>'
                     % (h, STRIP_RULE, w - 1, h, STRIP_RULE))
    r = 3 if min(w, h) > 12 else 2
    if state == "F":
        parts.append('<rect x="0.5" y="0.5" width="%g" height="%g" rx="%d" fill="url(#hover)" stroke="#4f8ad8"/>'
                     % (w - 1, h - 1, r))
    elif state == "D":
        parts.append('<rect x="0.5" y="0.5" width="%g" height="%g" rx="%d" fill="url(#down)" stroke="#2f5d9c"/>'
                     % (w - 1, h - 1, r))
        # the shadow of the sunken edge along the top and the left
        parts.append('<path d="M1.5,%g V%g Q1.5,1.5 %g,1.5 H%g" fill="none" stroke="#7f9cc6" stroke-width="1"/>'
                     % (h - 2.5, r + 0.5, r + 0.5, w - 2.5))
    parts.append("</svg>")
    return "".join(parts)


def disabled(glyph):
    """Greyed drawing: its lightness kept within a light band, half faded."""
    out = Image.new("RGBA", glyph.size)
    src = glyph.load()
    dst = out.load()
    for y in range(glyph.size[1]):
        for x in range(glyph.size[0]):
            r, g, b, a = src[x, y]
            lum = (r * 299 + g * 587 + b * 114) // 1000
            v = 135 + lum * 85 // 255
            dst[x, y] = (v, v, v, a * 3 // 4)
    return out


def shifted(img, dx, dy):
    out = Image.new("RGBA", img.size)
    out.alpha_composite(img, (dx, dy))
    return out


_face_cache = {}


def face(size, placement, state):
    key = (size, placement, state)
    if key not in _face_cache:
        _face_cache[key] = rasterise(face_svg(size, placement, state), *size)
    return _face_cache[key]


def compose_family(glyphs, size, placement, letters):
    w, h = size
    drawing = Image.new("RGBA", size)
    for spec in glyphs:
        drawing.alpha_composite(rasterise(glyph_svg(spec, size), w, h))
    images = {}
    for letter in letters:
        base = face(size, placement, "U" if letter == "X" else letter).copy()
        if letter == "D":
            base.alpha_composite(shifted(drawing, 1, 1))
        elif letter == "X":
            base.alpha_composite(disabled(drawing))
        else:
            base.alpha_composite(drawing)
        images[letter] = base
    return images


def strip_svg(width, height):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d"><defs>%s</defs>'
            '<rect width="%d" height="%d" fill="url(#strip)"/>'
            '<rect width="%d" height="1" fill="#ffffff"/>'
            '<rect y="%d" width="%d" height="1" fill="%s"/></svg>'
            % (width, height, width, height, strip_gradient("strip", height, 0),
               width, height, width, height - 1, width, STRIP_RULE))


def render_bitmaps():
    """Renders every bitmap; returns {resource name: image} in resource order."""
    os.makedirs(BMP_DIR, exist_ok=True)
    out = {}
    families = {}
    for name, glyphs, size, letters, placement in FAMILIES:
        images = compose_family(glyphs, size, placement, letters)
        families[name] = images
        for letter in letters:
            out[name + letter] = images[letter]
    doc = compose_family(["opendoc"], (28, 28), LARGE, "UDFX")
    families["577-580"] = doc
    for letter, rid in OPEN_DOCUMENT.items():
        out[str(rid)] = doc[letter]
    for rid, colour, active in USER_INDICATORS:
        img = face((23, 22), CLASSIC, "F" if active else "U").copy()
        img.alpha_composite(rasterise(glyph_svg("user:" + colour, (23, 22)), 23, 22))
        out[str(rid)] = img
    for rid, height in STRIPS:
        out[str(rid)] = rasterise(strip_svg(1280, height), 1280, height)
    out[str(WIDTH_POPUP)] = rasterise(
        '<svg xmlns="http://www.w3.org/2000/svg" width="28" height="48" viewBox="0 0 28 48">'
        '<rect x="0.5" y="0.5" width="27" height="47" fill="%s" stroke="%s"/></svg>'
        % (POPUP_FACE, STRIP_RULE), 28, 48)
    for rid, name in PICTURES:
        out[str(rid)] = rasterise(read_svg(os.path.join(HERE, "pictures", name + ".svg")), 150, 184)
    for res_name, img in out.items():
        write_if_changed(os.path.join(BMP_DIR, res_name + ".bmp"), bmp_bytes(img))
    return out, families


def write_rc(bitmaps):
    lines = [
        "// Vexo's cursors and bitmaps. Written by tools/render-art.sh from the",
        "// drawings in art/; edit those and render again rather than this file.",
        "",
        "// The overlay's cursors, one per tool and width level.",
    ]
    for rid, name in CURSORS:
        lines.append('%d CURSOR "art/cur/%s.cur"' % (rid, name))
    if bitmaps:
        lines.append("")
        lines.append("// Image families (name + U, D, F, X) and numbered bitmaps.")
        lines.append("// A name that starts with a digit (1U) is quoted, or it would read as")
        lines.append("// the number 1; the LANGUAGE line before it keeps the compiler from")
        lines.append("// joining that name to the file name string that ends the line above.")
        for res_name in bitmaps:
            if res_name.isdigit() or not res_name[0].isdigit():
                lines.append('%s BITMAP "art/bmp/%s.bmp"' % (res_name, res_name))
            else:
                lines.append("LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US")
                lines.append('"%s" BITMAP "art/bmp/%s.bmp"' % (res_name, res_name))
    lines.append("")
    write_if_changed(RC_PATH, "\n".join(lines).encode("ascii"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sheet", help="also write a contact sheet PNG here")
    args = parser.parse_args()
    cursors = render_cursors()
    bitmaps, families = render_bitmaps()
    write_rc(list(bitmaps))
    if args.sheet:
        contact_sheet(args.sheet, cursors, families, bitmaps)
    return 0


if __name__ == "__main__":
    sys.exit(main())
