"""Contact sheet of Vexo's artwork, for looking at it as a whole."""

from PIL import Image, ImageDraw

# Style 0 and Style 2 button positions on their strips (x, family), to show
# the strips as the user sees them. The first family of each group is shown
# selected (its D image), as the toolbar does.
CLASSIC_ROW = [
    (1, "1", "D"), (25, "2", "U"), (49, "3", "U"), (73, "4", "U"), (97, "5", "U"),
    (121, "7", "U"), (145, "8", "U"), (169, "10", "U"), (193, "13", "U"), (217, "14", "U"),
    (242, "15", "U"), (269, "NORMALSCREEN", "D"), (294, "BLACKSCREEN", "U"),
    (319, "WHITESCREEN", "U"), (346, "PENWIDTH1", "U"), (371, "PENWIDTH3", "D"),
    (396, "PENWIDTH5", "U"), (423, "ERASERALL", "U"), (448, "ERASER", "U"), (473, "PEN", "D"),
    (498, "WATERPEN", "U"), (523, "MAKER", "U"), (548, "ARROW", "U"), (575, "PAGEUP", "X"),
    (600, "PAGEDOWN", "X"), (628, "MAILTO", "F"), (653, "SAVEASJPG", "U"), (682, "RECORD", "U"),
    (708, "PLAYER", "U"), (737, "CLOSE", "X"), (762, "EXIT", "U"),
]
LARGE_ROW = [
    (1, "COLORBLACK", "D"), (30, "COLORWHITE", "U"), (59, "COLORRED", "U"), (88, "PALLET", "U"),
    (124, "SLIDEBOARD", "D"), (153, "BLACKBOARD", "U"), (182, "WHITEBOARD", "U"),
    (218, "SELPENWIDTH3", "U"), (254, "ERASERALL1", "U"), (285, "ERASER1", "U"),
    (314, "PENCIL1", "D"), (343, "WATERPEN1", "U"), (372, "MAKER1", "U"), (401, "ARROW1", "U"),
    (437, "PREPAGE", "X"), (466, "NEXTPAGE", "X"), (495, "PAGEMENU", "U"), (531, "MAIL1", "F"),
    (560, "SAVEJPG", "U"), (596, "577-580", "U"), (625, "RECORD1", "U"), (661, "RECPLAY1", "U"),
    (690, "MYPC", "X"), (719, "MYLINK", "X"), (748, "CLOSE1", "X"), (777, "EXIT1", "U"),
]

INK = (38, 42, 49)


def _strip(background, row, families, top):
    img = background.convert("RGB").crop((0, 0, 810, background.size[1]))
    for x, name, letter in row:
        fam = families[name]
        img.paste(fam.get(letter, fam["U"]).convert("RGB"), (x, top))
    return img


def contact_sheet(path, cursors, families, bitmaps):
    blocks = []
    # the two strips at 1x and 2x
    for bg, row, top in ((bitmaps["285"], CLASSIC_ROW, 4), (bitmaps["539"], LARGE_ROW, 3)):
        strip = _strip(bg, row, families, top)
        blocks.append(strip)
        blocks.append(strip.resize((strip.width * 2, strip.height * 2), Image.NEAREST))
    # the cursors on light and dark, at 1x and 3x
    row = Image.new("RGB", (10 * 40 + 10 * 100, 2 * 100), (255, 255, 255))
    for r, bg in enumerate(((255, 255, 255), (32, 32, 32))):
        band = Image.new("RGBA", (row.width, 100), bg + (255,))
        for i, (img, hot) in enumerate(cursors.values()):
            band.alpha_composite(img, (4 + i * 40, 34))
            band.alpha_composite(img.resize((96, 96), Image.NEAREST), (400 + i * 100, 2))
        row.paste(band.convert("RGB"), (0, r * 100))
    blocks.append(row)
    # every family: U D F X at 1x, then at 4x
    tiles = []
    for name, images in families.items():
        w, h = next(iter(images.values())).size
        tile = Image.new("RGB", (110 + 4 * (w + 4) + 4 * (4 * w + 6), 4 * h + 8), (255, 255, 255))
        d = ImageDraw.Draw(tile)
        d.text((2, 2), name, fill=INK)
        for i, letter in enumerate("UDFX"):
            if letter not in images:
                continue
            d.text((110 + i * (w + 4), 4 * h - 6), letter, fill=INK)
            tile.paste(images[letter].convert("RGB"), (110 + i * (w + 4), 14))
            big = images[letter].convert("RGB").resize((4 * w, 4 * h), Image.NEAREST)
            tile.paste(big, (110 + 4 * (w + 4) + i * (4 * w + 6), 4))
        tiles.append(tile)
    col_w = max(t.width for t in tiles)
    half = (len(tiles) + 1) // 2
    columns = [tiles[:half], tiles[half:]]
    col_h = max(sum(t.height for t in c) for c in columns)
    grid = Image.new("RGB", (2 * col_w + 10, col_h), (255, 255, 255))
    for c, col in enumerate(columns):
        y = 0
        for t in col:
            grid.paste(t, (c * (col_w + 10), y))
            y += t.height
    blocks.append(grid)
    # the numbered pictures
    pics = [bitmaps[k] for k in ("279", "281", "280", "531", "532")]
    row = Image.new("RGB", (sum(p.width * 2 + 10 for p in pics), 2 * 184), (255, 255, 255))
    x = 0
    for p in pics:
        row.paste(p.convert("RGB").resize((p.width * 2, p.height * 2), Image.NEAREST), (x, 0))
        x += p.width * 2 + 10
    blocks.append(row)
    width = max(b.width for b in blocks)
    sheet = Image.new("RGB", (width, sum(b.height + 10 for b in blocks)), (255, 255, 255))
    y = 0
    for b in blocks:
        sheet.paste(b, (0, y))
        y += b.height + 10
    sheet.save(path, optimize=True)
