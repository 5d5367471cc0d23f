#!/usr/bin/env python3
"""Writes the hand-made seeds of each fuzz target into corpus/<target>/seed-*.

Run once when a seed is added; the files are committed. Inputs kept from
fuzz runs and reproducers sit beside the seeds under their own names.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ERASER, PEN, BRUSH, MARKER, ERASE_ALL = 2, 3, 4, 5, 6
PLANE = (-2**31, -2**31, 2**31 - 1, 2**31 - 1)


def put(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    with open(os.path.join(d, "seed-" + name), "wb") as f:
        f.write(data)


def stroke(kind, points, bounds=None, colour=0xFF, erased=0):
    if bounds is None:
        xs = [p[0] for p in points] or [0]
        ys = [p[1] for p in points] or [0]
        bounds = (min(xs), min(ys), max(xs), max(ys))
    out = struct.pack("<i4iIHI", len(points), *bounds, colour, kind, erased)
    for x, y, w, *t in points:
        out += struct.pack("<hhhI", x, y, w, t[0] if t else 0)
    return out


def page(strokes):
    return struct.pack("<i", len(strokes)) + b"".join(strokes)


lasso = stroke(ERASER, [(20, 20, 1), (80, 20, 0), (80, 70, 0), (20, 70, 0), (20, 20, 0)])
pages = {
    "empty": page([]),
    "pen": page([stroke(PEN, [(10, 10, 3, 0), (60, 40, 3, 10), (90, 30, 5, 20)])]),
    "kinds-erased": page([
        stroke(PEN, [(30, 30, 2), (50, 40, 2)]),
        stroke(MARKER, [(10, 50, 8), (40, 55, 8), (70, 60, 8), (100, 50, 8)], colour=0x00FFFF),
        stroke(BRUSH, [(40, 30, 600), (60, 45, 900), (75, 48, 1200)]),
        stroke(PEN, [(140, 100, 1), (150, 110, 1)]),
        lasso]),
    "lying-bounds": page([
        stroke(MARKER, [(40, 40, 32767), (45, 42, 32767)], bounds=PLANE),
        stroke(PEN, [(50, 50, 32767)], bounds=(-2**31, -2**31, -2**31 + 1, -2**31 + 1)),
        stroke(ERASER, [(20, 20, 1), (80, 20, 0), (80, 70, 0), (20, 20, 0)], bounds=PLANE)]),
    "eraser-dot": page([stroke(PEN, [(30, 30, 4), (30, 30, 4)]), stroke(ERASER, [(30, 30, 1)])]),
    "far-eraser": page([
        stroke(PEN, [(-32768, -32768, 1), (32767, 32767, 1)]),
        stroke(ERASER, [(-32768, 0, 1), (32767, 0, 0), (0, 32767, 0), (-32768, 0, 0)])]),
    "erase-all": page([stroke(PEN, [(5, 5, 1), (9, 9, 1)], erased=5), stroke(ERASE_ALL, [])]),
    "count-lies": struct.pack("<i", 0x7FFFFFFF) + stroke(PEN, [(1, 1, 1)]),
}
for n, data in pages.items():
    put("page_load", n, data)
    put("page_erase", n, data)

# Recordings: sections, collections, then per section its rectangle, picture
# and layer; collections are bare layers.
def layer(pg, start, collection, action, strokes=()):
    return struct.pack("<iIiiI", pg, start, collection, action, len(strokes)) + b"".join(strokes)


def section(rect, pic, *lay):
    return struct.pack("<4iI", *rect, len(pic)) + pic + layer(*lay)


pic = b"PIC 4 3"
put("recording_load", "empty", struct.pack("<II", 0, 0))
put("recording_load", "one-section", struct.pack("<II", 1, 0) + section((0, 0, 4, 3), pic, 1, 0, -1, 0))
put("recording_load", "three-visits", struct.pack("<II", 2, 1)
    + section((0, 0, 4, 3), pic, 1, 0, 0, 0, [stroke(PEN, [(7, 8, 1, 10)])])
    + section((0, 0, 4, 3), b"not a picture", 2, 100, -1, 1)
    + layer(1, 200, -1, 2, [stroke(PEN, [(7, 8, 1, 210)]), stroke(ERASER, [(0, 0, 1, 220), (9, 9, 0, 230)])]))
put("recording_load", "huge-rect", struct.pack("<II", 1, 0) + section(PLANE, b"", 1, 0, -1, 0))
put("recording_load", "bad-links", struct.pack("<II", 1, 1) + section((0, 0, 4, 3), pic, 1, 0, 5, 3)
    + layer(1, 9, 7, 0))

ini = ("\xef\xbb\xbf[Info]\r\nFileCount=2\r\n; comment\r\n[CollectFile]\r\n0=Desktop\r\n1 = \"Word\" \r\n"
       "bare line\r\n[a]b]\rk=0x10\n[Unclosed\nx=0b101\n")
ops = "\x00\x08Info\nFileCount\ndef\n\x01\x10CollectFile\n1\n\n\x02\x40New\nkey\nsome value\n" \
      "\x03\x00Info\nFileCount\n\n\x04\x00CollectFile\n\n\n\x05\x00[odd]\nk=v\n\r\nline\n"
put("ini_store", "mixed", ini + "\x00" + ops)
put("ini_store", "no-newline-at-end", "[s]\r\nlast=1\x00\x02\x20s\nnew\nv\n")
put("ini_store", "empty", "\x00\x00\x01s\nk\n\n")

# Profile store: system MKProfile.ini, then the Tablet folder's orvtbl.ini,
# MKProfile.ini, stroke.ini and Word.ini, the Windows version, operations.
mk = "[Info]\r\nFileCount=2\r\nDefaultFileNum=1\r\nOemID=7\r\n[CollectFile]\r\n0=Word\r\n1=..\\..\\Windows\\win\r\n" \
     "[LastSetting]\r\nFileName=Word\r\nFileIndex=0\r\n"
table = "[Version]\r\nVerString=2\r\n[ControlPanel]\r\nPID=52\r\n[Option]\r\nFKeyIndex=K%02d:\r\n" \
        "[MacroKey_0034_7]\r\nTop=8\r\nBottom=-3\r\nLeft=200\r\n"
ops = "".join(chr(k) + "\x05\x00\x00\x00" + t + "\n" for k, t in [
    (0, "Word"), (1, "Word"), (2, "CON"), (2, "..\\evil"), (3, ""), (4, ""), (5, "C:\\x"), (6, ""),
    (7, ""), (8, "K%-5i %% %n %s:"), (9, ""), (10, ""), (11, "a/b"), (0x81, "..\\..\\boot")])
put("profile_store", "hostile", "\x00".join([mk, table, mk, "[Stroke]\r\n1=C:\\x.exe\r\n", "[FileInfo]\r\n"])
    + "\x00\x06\x01" + ops)
put("profile_store", "empty-folder", "\x00" * 5 + "\x05\x01\x04\x00\x00\x00\x00\n")

args = ["press\0bottom\0003", "click\0right\0255", "run\0--model\0studio", "table\0--model\0wide",
        "indicator\0002\0001", "stroke\0-5", "press\0top", "help", "\0", "settings\0extra"]
for i, a in enumerate(args):
    put("driver_command_line", str(i), a)

keys = {"plain": "\x00Hello World~", "modifiers": "\x01^c$(ab)%{F4}+-;#_x", "braces":
        "\x00{DELAY 20}{VKEY 65}{BEEP 440 20}{APPACTIVATE Notes}{SPACE}{ENTER 3}{DELAY=5}",
        "unclosed": "\x00^({Tab", "waits": "\x00{DELAY 999999}{BEEP 1 99999}{DELAY=-4}\x00{DELAY 15000}",
        "long-group": "\x00$(" + "{" + "x" * 320 + "}", "held-backspace": "\x01###___^\x00ab"}
for n, t in keys.items():
    put("key_sequence", n, t)


def put32(b, at, v):
    if len(b) < at + 4:
        b.extend(bytes(at + 4 - len(b)))
    b[at:at + 4] = struct.pack("<I", v & 0xFFFFFFFF)


def perf_object(index, counters, instances):
    o = bytearray(64)
    definition = 64 + 40 * len(counters)
    put32(o, 4, definition); put32(o, 8, 64); put32(o, 12, index)
    put32(o, 32, len(counters)); put32(o, 40, len(instances))
    for i, c in enumerate(counters):
        at = 64 + 40 * i
        put32(o, at, 40); put32(o, at + 4, c); put32(o, at + 32, 4); put32(o, at + 36, 8 + 4 * i)
    o = o[:definition] + bytes(max(0, definition - len(o)))
    for name, pid in instances:
        start = len(o)
        nb = (len(name) + 1) * 2
        length = (24 + nb + 7) & ~7
        o.extend(bytes(length))
        put32(o, start, length); put32(o, start + 16, 24); put32(o, start + 20, nb)
        for i, ch in enumerate(name):
            o[start + 24 + 2 * i] = ord(ch)
        blk = len(o)
        o.extend(bytes(8 + 4 * len(counters)))
        put32(o, blk, 8 + 4 * len(counters))
        for i, c in enumerate(counters):
            put32(o, blk + 8 + 4 * i, pid if c == 784 else 0xDEAD)
    put32(o, 0, len(o))
    return bytes(o)


def perf_block(objects):
    b = bytearray(88)
    b[0:8] = "PERF".encode("utf-16-le")
    put32(b, 24, 88); put32(b, 28, len(objects))
    for o in objects:
        b.extend(o)
    put32(b, 20, len(b))
    return bytes(b)


procs = [("Idle", 0), ("explorer", 1200), ("Vexo", 3100), ("vexo", 3300), ("_Total", 0)]
put("perf_data", "processes", b"\x04Vexo" + perf_block([perf_object(2, [10], [("cpu", 1)]),
                                                        perf_object(230, [6, 784], procs)]))
put("perf_data", "no-process-object", b"\x04Vexo" + perf_block([perf_object(2, [10], [("cpu", 1)])]))
bad = bytearray(perf_block([perf_object(230, [784], procs)]))
put32(bad, 88 + 40, 0x7FFFFFFF)
put("perf_data", "lying-count", b"\x04Vexo" + bytes(bad))

# Eraser masks: limit (left, top, width, height bytes), point count, points
# (bytes 0-119 are coordinates -38 to 81), then segments (a, b, radius,
# shift, clip left).
def c(v):
    return (v + 38) % 120


def mask(limit, points, segments):
    out = bytes([c(limit[0]), c(limit[1]), limit[2] - 1, limit[3] - 1, len(points) - 1])
    out += b"".join(bytes([c(x), c(y)]) for x, y in points)
    for (ax, ay), (bx, by), r4, shift, cl in segments:
        out += bytes([c(ax), c(ay), c(bx), c(by), r4, shift, c(cl)])
    return out


square = [(0, 0), (40, 0), (40, 30), (0, 30), (0, 0)]
put("eraser_mask", "square-inside", mask((-10, -10, 79, 79), square,
                                         [((20, 15), (60, 15), 0, 0, -30), ((50, 40), (70, 40), 8, 1, -30)]))
put("eraser_mask", "square-cut", mask((10, 5, 20, 10), square, [((-20, 10), (80, 10), 2, 0, 0)]))
put("eraser_mask", "open-cut", mask((10, 5, 20, 10), square[:-1], [((15, -30), (15, 70), 0, 0, -10)]))
put("eraser_mask", "figure-eight", mask((-38, -38, 80, 80), [(0, 0), (60, 40), (60, 0), (0, 40), (0, 0)],
                                        [((30, 20), (30, 20), 1, 1, 0), ((-30, -30), (81, 81), 23, 0, -38)]))
put("eraser_mask", "dot", mask((-38, -38, 80, 80), [(5, 5)], [((5, 7), (9, 7), 8, 1, -38)]))
