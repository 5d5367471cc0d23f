#!/usr/bin/env python3
"""Renders Tessar's tablet pictures (art/*.svg) into the committed 24-bit BMP
files of art/bmp that Tessar.rc names. Run through tools/render-tessar-art.sh,
which installs rsvg-convert and PIL if needed."""
import io
import os
import subprocess

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
BMP_DIR = os.path.join(HERE, "bmp")
# Drawing -> size of the bitmap (the settings window draws it at its own size).
PICTURES = {
    "wide": (585, 335),
    "studio": (585, 335),
    "compact": (585, 335),
    "about": (200, 120),
}


def render(name, size):
    svg = os.path.join(HERE, name + ".svg")
    png = subprocess.run(["rsvg-convert", "-w", str(size[0]), "-h", str(size[1]), "-f", "png", svg],
                         check=True, capture_output=True).stdout
    img = Image.open(io.BytesIO(png)).convert("RGBA")
    if img.size != size:
        raise SystemExit("%s rendered as %s, wanted %s" % (name, img.size, size))
    flat = Image.new("RGB", size, (255, 255, 255))
    flat.paste(img, mask=img.split()[3])
    out = io.BytesIO()
    flat.save(out, format="BMP")
    path = os.path.join(BMP_DIR, name + ".bmp")
    data = out.getvalue()
    if not os.path.exists(path) or open(path, "rb").read() != data:
        with open(path, "wb") as f:
            f.write(data)
        print("wrote", os.path.relpath(path, HERE))


def main():
    os.makedirs(BMP_DIR, exist_ok=True)
    for name, size in PICTURES.items():
        render(name, size)


if __name__ == "__main__":
    main()
